#pragma once

#include <QWidget>
#include <array>

#include "tesmo/TesmoWidget.h"

class QComboBox;
class QPushButton;

// Tracks of the sample database played over a drawn map.
class MapView : public QWidget {
    Q_OBJECT
public:
    explicit MapView(QWidget* parent = nullptr);
    tesmo::TesmoWidget& map() { return *map_; }
    // Plays a stored track; returns when it is done, stopped or paused.
    void play(const QString& name);
    // Runs a command of the control's window menu.
    void run(int command);
    // The chooser filled again from the stored tracks.
    void refreshTracks();

signals:
    void status(const QString& message);

private:
    // The creation buttons enabled as the control's commands are.
    void showCreation();

    tesmo::TesmoWidget* map_;
    QComboBox* tracks_;
    std::array<QPushButton*, 2> newTrack_;  // by step, by points
    QPushButton* commit_;
    QPushButton* undo_;
    QPushButton* discard_;
};
