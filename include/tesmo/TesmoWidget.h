#pragma once

#include <QImage>
#include <QMenu>
#include <QSettings>
#include <QString>
#include <QWidget>
#include <memory>

#include "tesmo/Picture.h"
#include "tesmo/ucTesmo.h"

namespace tesmo {

class ControlHost;

// The Qt widget that holds one Tesmo control. Put it in a window, drive it through
// control(), and connect to its signals; the signals carry the control's events with the
// same reference parameters (connect directly to be able to set Cancel).
class TesmoWidget : public QWidget {
    Q_OBJECT
public:
    explicit TesmoWidget(QWidget* parent = nullptr);
    ~TesmoWidget() override;

    ucTesmo& control();
    // The drawing surface (pic_main).
    QWidget* surface() const;

    // Design mode is what a form designer sets: the control then behaves as at design time,
    // as a newly placed control (no points, no database).
    void setDesignMode(bool design);
    bool designMode() const;

    // A picture a host can give to setPicture().
    static Picture pictureFromImage(const QImage& image);
    // Loads a picture file (BMP, JPEG, GIF, PNG...); throws tesmo::Error 481 when it cannot.
    static Picture loadPicture(const QString& path);

    // The control's settings in a QSettings store, each under its own name in the store's
    // current group (so that beginGroup() keeps several controls apart). In an INI file the
    // values are plain text: numbers, true / false and texts as they are, the picture as the
    // Base64 text of a PNG image and the font as "Name|size|bold|italic|underline|strikeout"
    // with only the styles it has. A value equal to its default is left out. Reading loads
    // what it can and keeps the rest.
    void writeProperties(QSettings& settings) const;
    void readProperties(QSettings& settings);

    // The folder where controls created afterwards look for their track database, instead
    // of the folder of the Tesmo library (for hosts whose library folder is read-only).
    static void setDefaultAppFolder(const QString& folder);
    static QString defaultAppFolder();

    // Runs the command of window-menu item `id` (1100 "About...", 1101 "View available
    // Tracks" ... 1114 "Always on top"), as the user's pick in that menu does; any other id
    // does nothing, and so does a command that is disabled at the moment. Errors of the
    // command are thrown as tesmo::Error.
    void systemCommand(int id);
    // The window menu kept for a top-level window that holds (or held) a control on screen:
    // the window's own items, then the control's commands, each with its id as
    // QAction::data(). Alt+Space opens it, and so does a QMainWindow's menu bar. Null when no
    // control ever used the window.
    static QMenu* windowMenu(QWidget* window);

    QSize sizeHint() const override;

signals:
    void MouseDown(short& Button, short& Shift, float& x, float& Y);
    void MouseMove(short& Button, short& Shift, float& x, float& Y);
    void MouseUp(short& Button, short& Shift, float& x, float& Y);
    void StartDrawing(bool& Cancel);
    void FinishDrawing();
    void ChangeScaleSetting(bool Redraw);
    // A persisted property changed (the container's notification).
    void PropertyChanged(const QString& name);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // A release on the control's margin acts as one on the surface.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::unique_ptr<ControlHost> host_;
};

}  // namespace tesmo
