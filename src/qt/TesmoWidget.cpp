#include "tesmo/TesmoWidget.h"

#include <QMouseEvent>

#include "control/Commands.h"
#include "control/Container.h"
#include "control/Steering.h"
#include "qt/CloseWatcher.h"
#include "qt/ControlHost.h"
#include "qt/ImageExport.h"
#include "qt/PointerCodes.h"
#include "qt/QtPicture.h"
#include "qt/QtPropertyBag.h"
#include "qt/WindowMenus.h"
#include "tesmo/Error.h"

namespace tesmo {

TesmoWidget::TesmoWidget(QWidget* parent) : TesmoWidget(parent, true) {}

TesmoWidget::TesmoWidget(Start, QWidget* parent) : TesmoWidget(parent, false) {}

TesmoWidget::TesmoWidget(QWidget* parent, bool runTime) : QWidget(parent), host_(std::make_unique<ControlHost>(*this)) {
    host_->hostSite().setDesignMode(!runTime);
    Container container(host_->control());
    container.Initialize();
    container.InitProperties();
    if (runTime) container.StartRunTime();
    // A new track still open is settled with the user while the window is still there; the
    // settings dialog of a closed window leaves as Cancel does.
    new CloseWatcher(
        this, [this] { return !host_ || Container(host_->control()).QueryClose(); },
        [this] {
            if (host_) host_->dialogs().CancelSettings();
        });
}

TesmoWidget::~TesmoWidget() {
    ControlHost::Release(std::move(host_));
}

ucTesmo& TesmoWidget::control() {
    return host_->control();
}

QWidget* TesmoWidget::surface() const {
    return host_->surfaceWidget();
}

void TesmoWidget::setDesignMode(bool design) {
    if (design == designMode()) return;
    host_->hostSite().setDesignMode(design);
    Container container(host_->control());
    if (design) {
        container.EnterDesignMode();
        host_->prompts().DropDeferred();
    } else {
        container.StartRunTime();
    }
}

bool TesmoWidget::designMode() const {
    return !host_->hostSite().UserMode();
}

Picture TesmoWidget::pictureFromImage(const QImage& image) {
    return PictureOfImage(image);
}

Picture TesmoWidget::loadPicture(const QString& path) {
    return LoadPictureFile(path);
}

void TesmoWidget::setDefaultAppFolder(const QString& folder) {
    QtHostSite::DefaultAppFolder() = folder;
}

QString TesmoWidget::defaultAppFolder() {
    return QtHostSite::DefaultAppFolder();
}

void TesmoWidget::setDefaultTrackDatabase(const QString& connection) {
    ControlHost::DefaultTrackDatabase() = connection.trimmed();
}

QString TesmoWidget::defaultTrackDatabase() {
    return ControlHost::DefaultTrackDatabase();
}

void TesmoWidget::systemCommand(int id) {
    if (!designMode()) Commands(host_->control()).DispatchSystemCommand(id);
}

bool TesmoWidget::exportImage(const QString& path, int dpi) {
    return ExportImage(*this, path, dpi);
}

void TesmoWidget::writeProperties(QSettings& settings) const {
    QtPropertyBag bag(settings);
    Container(host_->control()).WriteProperties(bag);
}

void TesmoWidget::readProperties(QSettings& settings) {
    QtPropertyBag bag(settings);
    Container container(host_->control());
    // Before the control is on screen, the notice of its own start has not been given: the
    // loaded settings decide whether it still holds (a chart needs no database).
    if (!isVisible()) {
        host_->prompts().DropDeferred();
        container.ForgetFailedDatabase();
    }
    container.ReadProperties(bag);
    emit settingsChanged();
}

QMenu* TesmoWidget::windowMenu(QWidget* window) {
    const WindowMenu* menu = WindowMenu::Of(window, false);
    return menu ? menu->menu() : nullptr;
}

void TesmoWidget::cancelDrawing() {
    Steering(host_->control()).CancelDrawing();
}

void TesmoWidget::setPaused(bool paused) {
    Steering(host_->control()).SetPaused(paused);
}

bool TesmoWidget::isPaused() const {
    return Steering(host_->control()).IsPaused();
}

TesmoWidget::DrawingState TesmoWidget::drawingState() const {
    return static_cast<DrawingState>(Steering(host_->control()).DrawingState());
}

bool TesmoWidget::undoLastPoint() {
    return Steering(host_->control()).UndoLastPoint();
}

bool TesmoWidget::discardNewTrack() {
    return Steering(host_->control()).DiscardNewTrack(false);
}

bool TesmoWidget::creatingTrack() const {
    return Steering(host_->control()).CreatingTrack();
}

QStringList TesmoWidget::trackNames() {
    QStringList names;
    for (const std::string& name : Steering(host_->control()).TrackNames()) names << QString::fromStdString(name);
    return names;
}

QSize TesmoWidget::sizeHint() const {
    return host_->hostSite().sizeHint();
}

void TesmoWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Container(host_->control()).Resize();
}

void TesmoWidget::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Container container(host_->control());
    // A control made a chart before it was first shown (in code or by a form) needs no
    // database: the notice of its start's failed attempt no longer holds, and a later
    // switch to map mode tries again.
    if (!designMode() && host_->control().MapStyle() != enMapStyle::Map && container.ForgetFailedDatabase())
        host_->prompts().DropDeferred();
    container.Show();
    host_->prompts().ShowDeferred();
}

void TesmoWidget::mousePressEvent(QMouseEvent* event) {
    event->accept();  // so that the release comes here too
}

void TesmoWidget::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const HostSite& site = host_->hostSite();
    Container(host_->control())
        .MouseUp(ButtonCode(event->button()), ShiftCode(event->modifiers()),
                 static_cast<float>(at.x()) * site.TwipsPerPixelX(), static_cast<float>(at.y()) * site.TwipsPerPixelY());
}

}  // namespace tesmo
