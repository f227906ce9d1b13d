#include "DemoWindow.h"

#include <QDockWidget>
#include <QListWidget>
#include <QStatusBar>

#include "PropertyPanel.h"

DemoWindow::DemoWindow() {
    setWindowTitle(tr("Tesmo demo"));
    control_ = new tesmo::TesmoWidget(this);
    setCentralWidget(control_);

    auto* properties = new QDockWidget(tr("Properties"), this);
    auto* panel = new PropertyPanel(*control_, properties);
    properties->setWidget(panel);
    addDockWidget(Qt::RightDockWidgetArea, properties);

    auto* events = new QDockWidget(tr("Events"), this);
    log_ = new QListWidget(events);
    events->setWidget(log_);
    addDockWidget(Qt::RightDockWidgetArea, events);

    connect(panel, &PropertyPanel::failed, this, [this](const QString& m) { statusBar()->showMessage(m, 5000); });
    connect(control_, &tesmo::TesmoWidget::PropertyChanged, this,
            [this](const QString& name) { log(tr("PropertyChanged %1").arg(name)); });
    connect(control_, &tesmo::TesmoWidget::StartDrawing, this, [this](bool&) { log(tr("StartDrawing")); });
    connect(control_, &tesmo::TesmoWidget::FinishDrawing, this, [this] { log(tr("FinishDrawing")); });
    connect(control_, &tesmo::TesmoWidget::ChangeScaleSetting, this,
            [this](bool redraw) { log(tr("ChangeScaleSetting Redraw=%1").arg(redraw)); });
    connect(control_, &tesmo::TesmoWidget::MouseDown, this,
            [this](short& b, short&, float& x, float& y) { log(tr("MouseDown %1 at %2, %3").arg(b).arg(x).arg(y)); });
    connect(control_, &tesmo::TesmoWidget::MouseUp, this,
            [this](short& b, short&, float& x, float& y) { log(tr("MouseUp %1 at %2, %3").arg(b).arg(x).arg(y)); });
    resize(1100, 700);
}

void DemoWindow::log(const QString& line) {
    log_->addItem(line);
    if (log_->count() > 500) delete log_->takeItem(0);
    log_->scrollToBottom();
}
