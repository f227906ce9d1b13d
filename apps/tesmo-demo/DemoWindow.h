#pragma once

#include <QMainWindow>

#include "tesmo/TesmoWidget.h"

class QListWidget;

// A host window: the control fills it, a side panel changes its properties and a log
// shows the events it raises.
class DemoWindow : public QMainWindow {
    Q_OBJECT
public:
    DemoWindow();
    tesmo::TesmoWidget& control() { return *control_; }
    void log(const QString& line);

private:
    tesmo::TesmoWidget* control_;
    QListWidget* log_;
};
