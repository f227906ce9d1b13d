#include "MapView.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "MapPicture.h"
#include "tesmo/Error.h"

MapView::MapView(QWidget* parent) : QWidget(parent), map_(new tesmo::TesmoWidget(this)), tracks_(new QComboBox(this)) {
    tracks_->addItems({QStringLiteral("Coastal Ferry"), QStringLiteral("River Run"), QStringLiteral("Smugglers' Path")});
    auto* play = new QPushButton(tr("Play / Pause"), this);
    auto* stop = new QPushButton(tr("Stop (FlagExit)"), this);
    auto* delay = new QDoubleSpinBox(this);
    delay->setRange(0, 60000);
    delay->setValue(8);
    delay->setSuffix(tr(" ms"));

    auto* bar = new QHBoxLayout;
    bar->addWidget(tracks_);
    bar->addWidget(play);
    bar->addWidget(stop);
    bar->addWidget(new QLabel(tr("Delay"), this));
    bar->addWidget(delay);
    bar->addWidget(new QLabel(tr("Double-click the map to choose a track; Esc cancels."), this));
    bar->addStretch();

    // Track creation, through the same commands as the control's window menu.
    auto* create = new QHBoxLayout;
    const struct {
        QString caption;
        int command;
    } commands[] = {{tr("New track by step"), 1107}, {tr("New track by points"), 1108}, {tr("Commit track"), 1109}};
    for (const auto& c : commands) {
        auto* button = new QPushButton(c.caption, this);
        connect(button, &QPushButton::clicked, this, [this, id = c.command] { run(id); });
        create->addWidget(button);
    }
    create->addWidget(new QLabel(tr("By step: click, then drag a line. By points: click each point."), this));
    create->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addLayout(create);
    layout->addWidget(map_, 1);

    tesmo::ucTesmo& c = map_->control();
    c.setPicture(tesmo::TesmoWidget::pictureFromImage(DrawMapPicture()));
    c.setTrackColor(0xC02020);
    c.setDrawWidth(3);
    c.setBaseStep(45);
    c.setDelay(static_cast<float>(delay->value()));
    c.setViewPoints(true);

    connect(delay, &QDoubleSpinBox::valueChanged, this,
            [this](double v) { map_->control().setDelay(static_cast<float>(v)); });
    connect(play, &QPushButton::clicked, this, [this] { this->play(tracks_->currentText()); });
    connect(stop, &QPushButton::clicked, this, [this] { map_->control().setFlagExit(true); });
}

void MapView::play(const QString& name) {
    try {
        map_->control().DrawTrack(name.toStdString());
    } catch (const tesmo::Error& e) {
        emit status(QString::fromStdString(e.description()));
    }
    const std::string error = map_->control().ControlError();
    if (!error.empty()) emit status(QString::fromStdString(error).replace('\r', ' '));
}

void MapView::run(int command) {
    try {
        map_->systemCommand(command);
    } catch (const tesmo::Error& e) {
        emit status(QString::fromStdString(e.description()));
    }
}
