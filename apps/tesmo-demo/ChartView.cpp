#include "ChartView.h"

#include <QDate>
#include <algorithm>
#include <cmath>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSettings>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include "tesmo/Error.h"

namespace {

// Day numbers count days since 30 December 1899.
double DayNumber(const QDate& date) {
    return static_cast<double>(QDate(1899, 12, 30).daysTo(date));
}

}  // namespace

ChartView::ChartView(QWidget* parent) : QWidget(parent), chart_(new tesmo::TesmoWidget(this)) {
    auto* draw = new QPushButton(tr("Draw"), this);
    auto* stop = new QPushButton(tr("Stop"), this);
    auto* pause = new QPushButton(tr("Pause"), this);
    pause->setEnabled(false);
    auto* settings = new QPushButton(tr("Settings..."), this);
    baseStep_ = new QDoubleSpinBox(this);
    baseStep_->setRange(0, 64000);
    baseStep_->setValue(15);
    baseStep_->setSuffix(tr(" twips"));
    delay_ = new QDoubleSpinBox(this);
    delay_->setRange(0, 60000);
    delay_->setValue(2);
    delay_->setSuffix(tr(" ms"));

    auto* bar = new QHBoxLayout;
    bar->addWidget(draw);
    bar->addWidget(stop);
    bar->addWidget(pause);
    bar->addWidget(settings);
    bar->addWidget(new QLabel(tr("BaseStep"), this));
    bar->addWidget(baseStep_);
    bar->addWidget(new QLabel(tr("Delay"), this));
    bar->addWidget(delay_);
    bar->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(chart_, 1);

    // The step and the delay apply at once, also to a drawing under way.
    connect(baseStep_, &QDoubleSpinBox::valueChanged, this,
            [this](double v) { chart_->control().setBaseStep(static_cast<float>(v)); });
    connect(delay_, &QDoubleSpinBox::valueChanged, this,
            [this](double v) { chart_->control().setDelay(static_cast<float>(v)); });
    // The boxes show the control's values, also ones restored or set in the panel.
    connect(chart_, &tesmo::TesmoWidget::settingsChanged, this, [this] {
        const QSignalBlocker stepQuiet(baseStep_), delayQuiet(delay_);
        baseStep_->setValue(chart_->control().BaseStep());
        delay_->setValue(chart_->control().Delay());
    });
    connect(draw, &QPushButton::clicked, this, [this] {
        chart_->control().Clear();
        this->draw();
    });
    // Stop leaves the drawing as it stands; Pause holds it, and says so.
    connect(stop, &QPushButton::clicked, chart_, &tesmo::TesmoWidget::cancelDrawing);
    connect(pause, &QPushButton::clicked, this, [this] { chart_->setPaused(!chart_->isPaused()); });
    connect(chart_, &tesmo::TesmoWidget::drawingStateChanged, pause, [pause](tesmo::TesmoWidget::DrawingState state) {
        pause->setEnabled(state != tesmo::TesmoWidget::DrawingState::Idle);
        pause->setText(state == tesmo::TesmoWidget::DrawingState::Paused ? tr("Resume") : tr("Pause"));
    });
    // A drawing done clears an error shown before (a range fixed since).
    connect(chart_, &tesmo::TesmoWidget::FinishDrawing, this, [this] { emit status(QString()); });
    // A new title is printed on the chart drawn again, not over the old one; once the
    // change is done (it may come from a box losing the focus to a button).
    connect(chart_, &tesmo::TesmoWidget::PropertyChanged, this, [this](const QString& name) {
        const QString title = QString::fromStdString(chart_->control().Title());
        if (name != QLatin1String("Title") || title == title_) return;
        title_ = title;
        if (chart_->control().MapStyle() == tesmo::enMapStyle::ScaleSystem) redrawForTitle_->start();
    });
    redrawForTitle_ = new QTimer(this);
    redrawForTitle_->setSingleShot(true);
    redrawForTitle_->setInterval(0);
    connect(redrawForTitle_, &QTimer::timeout, this, [this] {
        chart_->control().SetScaleUnit();
        this->draw();
    });
    // Modeless: the chart stays usable while the dialog is open.
    connect(settings, &QPushButton::clicked, this, [this] { chart_->control().EditScaleSetting(0, "Daily temperature"); });
    connect(chart_, &tesmo::TesmoWidget::ChangeScaleSetting, this, [this](bool redraw) {
        addPoints();  // the bounds may take in days left out before
        if (redraw) this->draw();
    });
    connect(chart_, &tesmo::TesmoWidget::MouseMove, this, [this](short&, short&, float&, float&) {
        const tesmo::ucTesmo& c = chart_->control();
        emit pointer(tr("X: %1   Y: %2")
                        .arg(QString::fromStdString(c.MouseValueX().toString()),
                             QString::fromStdString(c.MouseValueY().toString())));
    });
}

void ChartView::prepare() {
    tesmo::ucTesmo& c = chart_->control();
    const QDate first(2025, 1, 1);
    c.setMapStyle(tesmo::enMapStyle::ScaleSystem);
    c.setBackColor(0xFFFFFF);
    c.setGridColor(0x909090);
    c.setForeColor(0xB05010);
    c.setTitleColor(0x303030);
    c.setViewGrid(true);
    c.setMinX(tesmo::Variant::fromDate(DayNumber(first)));
    c.setMaxX(tesmo::Variant::fromDate(DayNumber(QDate(2025, 12, 31))));
    c.setMinY(-10);
    c.setMaxY(40);
    c.setUnitX(30);
    c.setUnitY(5);
    c.setLeftScale(700);
    c.setTopScale(600);
    c.setRightScale(700);
    c.setTitle("Daily temperature 2025 (\u00b0C)");
    c.setBaseStep(static_cast<float>(baseStep_->value()));
    c.setDelay(static_cast<float>(delay_->value()));
    c.setMouseScan(true);  // the values under the pointer, on the status bar
    addPoints();
    c.SetScaleUnit();
    drawnWithTitle();
}

void ChartView::drawnWithTitle() {
    title_ = QString::fromStdString(chart_->control().Title());
    redrawForTitle_->stop();
}

void ChartView::restore(QSettings& settings) {
    chart_->readProperties(settings);
    tesmo::ucTesmo& c = chart_->control();
    c.setMouseScan(true);
    addPoints();
    c.SetScaleUnit();
    drawnWithTitle();
}

void ChartView::addPoints() {
    tesmo::ucTesmo& c = chart_->control();
    c.Point_Clear();
    QRandomGenerator seeded(2025);
    double value = 4;
    for (QDate day(2025, 1, 1); day.year() == 2025; day = day.addDays(1)) {
        const double season = 14 - 12 * std::cos((day.dayOfYear() - 20) * 2 * M_PI / 365);
        value += (season - value) * 0.3 + (seeded.generateDouble() - 0.5) * 5;
        try {
            c.Point_Add(tesmo::Variant::fromDate(DayNumber(day)), std::clamp(value, -10.0, 40.0));
        } catch (const tesmo::Error&) {
            // Outside the bounds the user set.
        }
    }
}

void ChartView::draw() {
    try {
        chart_->control().Draw();
    } catch (const tesmo::Error& e) {
        emit status(QString::fromStdString(e.description()));
    }
}
