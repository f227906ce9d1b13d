#include "DemoWindow.h"

#include <QCloseEvent>
#include <QDockWidget>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QScrollArea>
#include <QStatusBar>
#include <QTabWidget>
#include <algorithm>

#include "ChartView.h"
#include "MapView.h"
#include "PropertyPanel.h"

DemoWindow::DemoWindow() {
    setWindowTitle(tr("Tesmo demo"));
    // The controls add their window menu next to it (Alt+Space opens it too).
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(tr("&Export..."), this, &DemoWindow::exportView);
    file->addAction(tr("&Quit"), QKeySequence::Quit, this, &QWidget::close);
    tabs_ = new QTabWidget(this);
    chartView_ = new ChartView(tabs_);
    mapView_ = new MapView(tabs_);
    tabs_->addTab(chartView_, tr("Chart"));
    tabs_->addTab(mapView_, tr("Map"));
    setCentralWidget(tabs_);

    auto* properties = new QDockWidget(tr("Properties"), this);
    auto* scroll = new QScrollArea(properties);
    panel_ = new PropertyPanel([this]() -> tesmo::TesmoWidget& { return current(); }, scroll);
    scroll->setWidget(panel_);
    scroll->setWidgetResizable(true);
    properties->setWidget(scroll);
    addDockWidget(Qt::RightDockWidgetArea, properties);

    // Long drawings and playbacks show how far they are.
    progress_ = new QProgressBar(this);
    progress_->setMaximumWidth(220);
    progress_->hide();
    statusBar()->addPermanentWidget(progress_);

    auto* events = new QDockWidget(tr("Events"), this);
    log_ = new QListWidget(events);
    events->setWidget(log_);
    addDockWidget(Qt::RightDockWidgetArea, events);

    connect(tabs_, &QTabWidget::currentChanged, panel_, &PropertyPanel::refresh);
    // Each view's message (an error, until a drawing succeeds) shows while the view does;
    // the chart values under the pointer have their own place.
    pointer_ = new QLabel(this);
    pointer_->setObjectName(QStringLiteral("pointer"));
    statusBar()->addPermanentWidget(pointer_);
    connect(tabs_, &QTabWidget::currentChanged, this, [this] {
        pointer_->clear();
        statusBar()->showMessage(messages_.value(tabs_->currentWidget()));
    });
    connect(panel_, &PropertyPanel::failed, this, [this](const QString& m) { statusBar()->showMessage(m, 5000); });
    const auto messageOf = [this](QWidget* view) {
        return [this, view](const QString& m) {
            messages_[view] = m;
            if (tabs_->currentWidget() == view) statusBar()->showMessage(m);
        };
    };
    connect(chartView_, &ChartView::status, this, messageOf(chartView_));
    connect(mapView_, &MapView::status, this, messageOf(mapView_));
    connect(chartView_, &ChartView::pointer, pointer_, &QLabel::setText);
    watch(chartView_->chart(), tr("Chart"));
    watch(mapView_->map(), tr("Map"));
    resize(1200, 760);
}

tesmo::TesmoWidget& DemoWindow::current() {
    return *tabs_->currentWidget()->findChild<tesmo::TesmoWidget*>();
}

void DemoWindow::exportView() {
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Export"), QStringLiteral("tesmo.png"),
        tr("PNG image (*.png);;JPEG image (*.jpg *.jpeg);;BMP image (*.bmp);;PDF document (*.pdf)"));
    if (path.isEmpty()) return;
    if (current().exportImage(path))
        statusBar()->showMessage(tr("Exported to %1").arg(path), 5000);
    else
        QMessageBox::warning(this, tr("Export"), tr("%1 could not be written.").arg(path));
}

void DemoWindow::showView(QWidget* view) {
    tabs_->setCurrentWidget(view);
}

void DemoWindow::watch(tesmo::TesmoWidget& control, const QString& name) {
    auto* c = &control;
    // The panel in step with the control: every setting it changes, and its resizes.
    connect(c, &tesmo::TesmoWidget::settingsChanged, panel_, [this, c] {
        if (c == &current()) panel_->refresh();
    });
    connect(c, &tesmo::TesmoWidget::drawingProgress, progress_, [this](int done, int total) {
        progress_->setRange(0, std::max(total, 1));
        progress_->setValue(done);
    });
    connect(c, &tesmo::TesmoWidget::drawingStateChanged, progress_, [this](tesmo::TesmoWidget::DrawingState state) {
        // A drawing that starts has drawn nothing yet.
        if (state != tesmo::TesmoWidget::DrawingState::Idle && progress_->isHidden()) progress_->reset();
        progress_->setVisible(state != tesmo::TesmoWidget::DrawingState::Idle);
        if (state == tesmo::TesmoWidget::DrawingState::Paused)
            statusBar()->showMessage(tr("Paused"));
        else
            statusBar()->showMessage(messages_.value(tabs_->currentWidget()));
    });
    connect(c, &tesmo::TesmoWidget::PropertyChanged, this,
            [this, name](const QString& property) { log(tr("%1: PropertyChanged %2").arg(name, property)); });
    connect(c, &tesmo::TesmoWidget::StartDrawing, this, [this, name](bool&) { log(tr("%1: StartDrawing").arg(name)); });
    connect(c, &tesmo::TesmoWidget::FinishDrawing, this, [this, name] { log(tr("%1: FinishDrawing").arg(name)); });
    connect(c, &tesmo::TesmoWidget::ChangeScaleSetting, this,
            [this, name](bool redraw) { log(tr("%1: ChangeScaleSetting Redraw=%2").arg(name).arg(redraw)); });
    connect(c, &tesmo::TesmoWidget::MouseDown, this, [this, name](short& b, short&, float& x, float& y) {
        log(tr("%1: MouseDown %2 at %3, %4").arg(name).arg(b).arg(x).arg(y));
    });
    connect(c, &tesmo::TesmoWidget::MouseUp, this, [this, name](short& b, short&, float& x, float& y) {
        log(tr("%1: MouseUp %2 at %3, %4").arg(name).arg(b).arg(x).arg(y));
    });
}

void DemoWindow::log(const QString& line) {
    log_->addItem(line);
    if (log_->count() > 500) delete log_->takeItem(0);
    log_->scrollToBottom();
}

namespace {

QSettings DemoSettings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("tesmo"), QStringLiteral("tesmo-demo"));
}

}  // namespace

void DemoWindow::restoreControls() {
    QSettings settings = DemoSettings();
    const QStringList saved = settings.childGroups();
    if (saved.contains(QStringLiteral("chart"))) {
        settings.beginGroup(QStringLiteral("chart"));
        chartView_->restore(settings);
        settings.endGroup();
        log(tr("Chart: settings restored from %1").arg(settings.fileName()));
    } else {
        chartView_->prepare();
    }
    if (saved.contains(QStringLiteral("map"))) {
        settings.beginGroup(QStringLiteral("map"));
        mapView_->map().readProperties(settings);
        settings.endGroup();
        log(tr("Map: settings restored"));
    }
}

void DemoWindow::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    if (!event->isAccepted()) return;
    QSettings settings = DemoSettings();
    for (auto [group, control] : {std::pair{QStringLiteral("chart"), &chartView_->chart()},
                                  std::pair{QStringLiteral("map"), &mapView_->map()}}) {
        settings.beginGroup(group);
        control->writeProperties(settings);
        settings.endGroup();
    }
}
