#include "qt/QtHostSite.h"

#include <dlfcn.h>

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLayout>
#include <QScrollArea>
#include <QSplitter>
#include <QResizeEvent>
#include <cmath>

#include "qt/Colors.h"
#include "qt/QtFont.h"
#include "tesmo/Error.h"
#include "tesmo/TesmoWidget.h"

namespace tesmo {
namespace {

constexpr int kMaxPixels = 16384;

int ToPixels(std::int32_t twips, float twipsPerPixel) {
    const double pixels = std::round(twips / static_cast<double>(twipsPerPixel));
    if (twips < 0 || pixels > kMaxPixels) throw Error(errors::InvalidPropertyValue, "Invalid property value");
    return static_cast<int>(pixels);
}

// Resizes the widget and lays it out at once, also while it is hidden (Qt would otherwise
// hold the resize event back until the widget is shown).
void ResizeNow(QWidget& widget, QSize size) {
    const QSize old = widget.size();
    widget.resize(size);
    if (widget.testAttribute(Qt::WA_PendingResizeEvent)) {
        widget.setAttribute(Qt::WA_PendingResizeEvent, false);
        QResizeEvent event(size, old);
        QCoreApplication::sendEvent(&widget, &event);
    }
}

// The layout places the widget, itself or through a layout nested in it.
bool Holds(const QLayout& layout, const QWidget& widget) {
    for (int i = 0; i < layout.count(); ++i) {
        QLayoutItem* item = layout.itemAt(i);
        if (item->widget() == &widget) return true;
        if (const QLayout* inner = item->layout(); inner && Holds(*inner, widget)) return true;
    }
    return false;
}

}  // namespace

QtHostSite::QtHostSite(TesmoWidget* widget, ReentryGate& gate, float twipsPerPixelX, float twipsPerPixelY)
    : widget_(widget), gate_(gate), pixelX_(twipsPerPixelX), pixelY_(twipsPerPixelY) {}

float QtHostSite::InnerWidth() const {
    return widget_ ? static_cast<float>(widget_->width()) * pixelX_ : 0.0f;
}

float QtHostSite::InnerHeight() const {
    return widget_ ? static_cast<float>(widget_->height()) * pixelY_ : 0.0f;
}

void QtHostSite::setWidth(std::int32_t twips) {
    hint_.setWidth(ToPixels(twips, pixelX_));
    AskForSize(QSize(hint_.width(), widget_ ? widget_->height() : 0));
}

void QtHostSite::setHeight(std::int32_t twips) {
    hint_.setHeight(ToPixels(twips, pixelY_));
    AskForSize(QSize(widget_ ? widget_->width() : 0, hint_.height()));
}

void QtHostSite::AskForSize(QSize size) {
    if (!widget_) return;
    if (LaidOut())
        widget_->updateGeometry();
    else
        ResizeNow(*widget_, size);
}

bool QtHostSite::LaidOut() const {
    const QWidget* parent = widget_ ? widget_->parentWidget() : nullptr;
    if (!parent) return false;
    if (parent->layout() && Holds(*parent->layout(), *widget_)) return true;
    // Containers that size their widgets themselves, without a layout.
    if (qobject_cast<const QSplitter*>(parent)) return true;
    const auto* area = qobject_cast<const QScrollArea*>(parent->parentWidget());
    return area && area->widget() == widget_ && area->widgetResizable();
}

void QtHostSite::setBackColor(std::int32_t color) {
    if (!widget_) return;
    QPalette palette = widget_->palette();
    palette.setColor(QPalette::Window, ShownColor(color));
    widget_->setPalette(palette);
    widget_->setAutoFillBackground(true);
}

bool QtHostSite::Enabled() const {
    // The control's own state: a window disabled for a moment does not disable its methods.
    return widget_ ? !widget_->testAttribute(Qt::WA_ForceDisabled) : enabled_;
}

void QtHostSite::setEnabled(bool value) {
    enabled_ = value;
    if (widget_) widget_->setEnabled(value);
}

void QtHostSite::PropertyChanged(const std::string& name) {
    if (!widget_) return;
    // With AutoSize and a picture the control's size is the picture's: a layout keeps it so.
    if (name == "AutoSize" || name == "Picture") {
        const ucTesmo& c = widget_->control();
        const auto policy = c.AutoSize() && !c.Picture().isEmpty() ? QSizePolicy::Fixed : QSizePolicy::Preferred;
        widget_->setSizePolicy(policy, policy);
    }
    ReentryGate::Scope scope(gate_);
    emit widget_->PropertyChanged(QString::fromStdString(name));
    if (widget_) emit widget_->settingsChanged();
}

Font QtHostSite::AmbientFont() const {
    // The container's font, never the control's own: a font set on the widget is a setting.
    const QWidget* container = widget_ ? widget_->parentWidget() : nullptr;
    return FromQFont(container ? container->font() : QApplication::font());
}

QString& QtHostSite::DefaultAppFolder() {
    static QString folder;
    return folder;
}

std::string QtHostSite::ComponentFolder() const {
    if (!DefaultAppFolder().isEmpty()) return DefaultAppFolder().toStdString();
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void*>(&QtHostSite::DefaultAppFolder), &info) == 0 || !info.dli_fname)
        return {};
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absolutePath().toStdString();
}

}  // namespace tesmo
