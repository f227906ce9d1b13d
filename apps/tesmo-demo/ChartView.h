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
    // Animates the points; returns when the drawing is done or stopped.
    void draw();

signals:
    void status(const QString& message);

private:
    tesmo::TesmoWidget* chart_;
    QDoubleSpinBox* baseStep_;
    QDoubleSpinBox* delay_;
};
