#include "MapView.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QApplication>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

#include "MapPicture.h"
#include "tesmo/Error.h"

MapView::MapView(QWidget* parent) : QWidget(parent), map_(new tesmo::TesmoWidget(this)), tracks_(new QComboBox(this)) {
    tracks_->setMinimumContentsLength(16);
    auto* play = new QPushButton(tr("Play"), this);
    auto* stop = new QPushButton(tr("Stop"), this);
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
    QPushButton* buttons[std::size(commands)];
    for (std::size_t i = 0; i < std::size(commands); ++i) {
        buttons[i] = new QPushButton(commands[i].caption, this);
        connect(buttons[i], &QPushButton::clicked, this, [this, id = commands[i].command] { run(id); });
        create->addWidget(buttons[i]);
    }
    newTrack_ = {buttons[0], buttons[1]};
    commit_ = buttons[2];
    undo_ = new QPushButton(tr("Undo point"), this);
    discard_ = new QPushButton(tr("Discard track"), this);
    connect(undo_, &QPushButton::clicked, this, [this] {
        map_->undoLastPoint();
        map_->surface()->setFocus();
    });
    connect(discard_, &QPushButton::clicked, this, [this] { map_->discardNewTrack(); });
    create->addWidget(undo_);
    create->addWidget(discard_);
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
    // The box shows the control's Delay, also one restored or set in the panel.
    connect(map_, &tesmo::TesmoWidget::settingsChanged, delay, [this, delay] {
        const QSignalBlocker quiet(delay);
        delay->setValue(map_->control().Delay());
    });
    // Play starts a playback, and pauses or resumes the one under way.
    connect(play, &QPushButton::clicked, this, [this] {
        if (map_->drawingState() == tesmo::TesmoWidget::DrawingState::Idle) {
            this->play(tracks_->currentText());
            return;
        }
        map_->surface()->setFocus();  // Esc still cancels
        map_->setPaused(!map_->isPaused());
    });
    connect(map_, &tesmo::TesmoWidget::drawingStateChanged, play, [play](tesmo::TesmoWidget::DrawingState state) {
        using State = tesmo::TesmoWidget::DrawingState;
        play->setText(state == State::Idle ? tr("Play") : state == State::Paused ? tr("Resume") : tr("Pause"));
    });
    connect(stop, &QPushButton::clicked, map_, &tesmo::TesmoWidget::cancelDrawing);
    // The chooser follows the stored tracks: the control's commits and deletions, and other
    // programs' imports, looked for when the window comes back to the front.
    connect(map_, &tesmo::TesmoWidget::tracksChanged, this, &MapView::refreshTracks);
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive) refreshTracks();
    });
    // The creation buttons follow the control: a new track while none is armed and nothing
    // plays, the rest while one is.
    auto* watch = new QTimer(this);
    connect(watch, &QTimer::timeout, this, &MapView::showCreation);
    watch->start(200);
    connect(map_, &tesmo::TesmoWidget::drawingStateChanged, this, &MapView::showCreation);
    refreshTracks();
    showCreation();
}

void MapView::refreshTracks() {
    const QString chosen = tracks_->currentText();
    const QSignalBlocker quiet(tracks_);
    tracks_->clear();
    tracks_->addItems(map_->trackNames());
    tracks_->setCurrentIndex(std::max(0, tracks_->findText(chosen)));
}

void MapView::showCreation() {
    const bool creating = map_->creatingTrack();
    const bool idle = map_->drawingState() == tesmo::TesmoWidget::DrawingState::Idle;
    for (QPushButton* button : newTrack_) button->setEnabled(!creating && idle);
    for (QPushButton* button : {commit_, undo_, discard_}) button->setEnabled(creating);
}

void MapView::play(const QString& name) {
    // The keys go to the map: Esc cancels the playback.
    map_->surface()->setFocus();
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
