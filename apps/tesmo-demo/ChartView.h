#pragma once

#include <QWidget>

#include "tesmo/TesmoWidget.h"

class QDoubleSpinBox;
class QTimer;

// A year of daily values on a date axis with a grid, drawn as an animation whose step and
// delay can be changed while it runs.
class ChartView : public QWidget {
    Q_OBJECT
public:
    explicit ChartView(QWidget* parent = nullptr);
    tesmo::TesmoWidget& chart() { return *chart_; }
    // Sets up the axes and the points; draws the scale.
    void prepare();
    // The settings saved last time instead of the prepared ones, with the same points.
    void restore(QSettings& settings);
    // Animates the points; returns when the drawing is done or stopped.
    void draw();

signals:
    void status(const QString& message);
    // The chart values under the pointer.
    void pointer(const QString& values);

private:
    // A year of daily temperatures (those outside the bounds set are left out).
    void addPoints();

    // The title set up with the chart: only a later change draws it again.
    void drawnWithTitle();

    tesmo::TesmoWidget* chart_;
    QString title_;  // the title the chart was last drawn with
    QTimer* redrawForTitle_;
    QDoubleSpinBox* baseStep_;
    QDoubleSpinBox* delay_;
};
