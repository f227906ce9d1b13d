#pragma once

#include <QWidget>

#include "tesmo/TesmoWidget.h"

class QDoubleSpinBox;

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

private:
    // A year of daily temperatures (those outside the bounds set are left out).
    void addPoints();

    tesmo::TesmoWidget* chart_;
    QDoubleSpinBox* baseStep_;
    QDoubleSpinBox* delay_;
};
