#pragma once

#include <QHash>
#include <QMainWindow>

#include "tesmo/TesmoWidget.h"

class ChartView;
class MapView;
class PropertyPanel;
class QProgressBar;
class QLabel;
class QListWidget;
class QTabWidget;

// A host window: the controls fill it, one view a tab; a side panel changes the properties
// of the control in view and a log shows the events the controls raise.
class DemoWindow : public QMainWindow {
    Q_OBJECT
public:
    DemoWindow();
    ChartView& chartView() { return *chartView_; }
    MapView& mapView() { return *mapView_; }
    tesmo::TesmoWidget& current();
    void showView(QWidget* view);
    void log(const QString& line);
    // The controls' settings saved when the demo last closed, or the demo's own when there
    // are none; on closing, they are saved (in the demo's INI file under the user's
    // settings folder).
    void restoreControls();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Writes the control on show to a PNG, JPEG, BMP or PDF file the user names.
    void exportView();
    void watch(tesmo::TesmoWidget& control, const QString& name);

    QTabWidget* tabs_;
    ChartView* chartView_;
    MapView* mapView_;
    QListWidget* log_;
    PropertyPanel* panel_;
    QProgressBar* progress_;
    QLabel* pointer_;
    QHash<QWidget*, QString> messages_;  // each view's last message
};
