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
//
// Every setting the control stores is also a Qt property of the widget under its key name
// ("BaseStep", "TrackColor", "Picture" as a QImage, "Font" as a QFont...), for Designer,
// QML and other generic tools; a value the control refuses leaves the setting as it was.
// ControlError, MouseValueX and MouseValueY are read-only and change without notice.
class TesmoWidget : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool AutoRedraw READ getAutoRedraw WRITE putAutoRedraw NOTIFY settingsChanged)
    Q_PROPERTY(double BaseStep READ getBaseStep WRITE putBaseStep NOTIFY settingsChanged)
    Q_PROPERTY(bool ClipControls READ getClipControls WRITE putClipControls NOTIFY settingsChanged)
    Q_PROPERTY(bool FlagExit READ getFlagExit WRITE putFlagExit NOTIFY settingsChanged DESIGNABLE false)
    Q_PROPERTY(QString ControlError READ getControlError DESIGNABLE false)
    Q_PROPERTY(double Delay READ getDelay WRITE putDelay NOTIFY settingsChanged)
    Q_PROPERTY(int BorderStyle READ getBorderStyle WRITE putBorderStyle NOTIFY settingsChanged)
    Q_PROPERTY(QImage Picture READ getPicture WRITE putPicture NOTIFY settingsChanged)
    Q_PROPERTY(bool AutoSize READ getAutoSize WRITE putAutoSize NOTIFY settingsChanged)
    Q_PROPERTY(int DrawWidth READ getDrawWidth WRITE putDrawWidth NOTIFY settingsChanged)
    Q_PROPERTY(int Width READ getWidth WRITE putWidth NOTIFY settingsChanged)
    Q_PROPERTY(int Height READ getHeight WRITE putHeight NOTIFY settingsChanged)
    Q_PROPERTY(bool Enabled READ getEnabled WRITE putEnabled NOTIFY settingsChanged)
    Q_PROPERTY(double CurrentX READ getCurrentX WRITE putCurrentX NOTIFY settingsChanged DESIGNABLE false)
    Q_PROPERTY(double CurrentY READ getCurrentY WRITE putCurrentY NOTIFY settingsChanged DESIGNABLE false)
    Q_PROPERTY(QFont Font READ getFont WRITE putFont NOTIFY settingsChanged)
    Q_PROPERTY(QString Title READ getTitle WRITE putTitle NOTIFY settingsChanged)
    Q_PROPERTY(bool EnableMenu READ getEnableMenu WRITE putEnableMenu NOTIFY settingsChanged)
    Q_PROPERTY(bool ViewPoints READ getViewPoints WRITE putViewPoints NOTIFY settingsChanged)
    Q_PROPERTY(bool ViewGrid READ getViewGrid WRITE putViewGrid NOTIFY settingsChanged)
    Q_PROPERTY(double LeftScale READ getLeftScale WRITE putLeftScale NOTIFY settingsChanged)
    Q_PROPERTY(double TopScale READ getTopScale WRITE putTopScale NOTIFY settingsChanged)
    Q_PROPERTY(double RightScale READ getRightScale WRITE putRightScale NOTIFY settingsChanged)
    Q_PROPERTY(double BottomScale READ getBottomScale WRITE putBottomScale NOTIFY settingsChanged)
    Q_PROPERTY(bool XAsDate READ getXAsDate WRITE putXAsDate NOTIFY settingsChanged)
    Q_PROPERTY(bool YAsDate READ getYAsDate WRITE putYAsDate NOTIFY settingsChanged)
    Q_PROPERTY(double MinX READ getMinX WRITE putMinX NOTIFY settingsChanged)
    Q_PROPERTY(double MaxX READ getMaxX WRITE putMaxX NOTIFY settingsChanged)
    Q_PROPERTY(double MinY READ getMinY WRITE putMinY NOTIFY settingsChanged)
    Q_PROPERTY(double MaxY READ getMaxY WRITE putMaxY NOTIFY settingsChanged)
    Q_PROPERTY(int UnitX READ getUnitX WRITE putUnitX NOTIFY settingsChanged)
    Q_PROPERTY(int UnitY READ getUnitY WRITE putUnitY NOTIFY settingsChanged)
    Q_PROPERTY(int MapStyle READ getMapStyle WRITE putMapStyle NOTIFY settingsChanged)
    Q_PROPERTY(int BackColor READ getBackColor WRITE putBackColor NOTIFY settingsChanged)
    Q_PROPERTY(int ForeColor READ getForeColor WRITE putForeColor NOTIFY settingsChanged)
    Q_PROPERTY(int GridColor READ getGridColor WRITE putGridColor NOTIFY settingsChanged)
    Q_PROPERTY(int TitleColor READ getTitleColor WRITE putTitleColor NOTIFY settingsChanged)
    Q_PROPERTY(int TextColor READ getTextColor WRITE putTextColor NOTIFY settingsChanged)
    Q_PROPERTY(int TrackColor READ getTrackColor WRITE putTrackColor NOTIFY settingsChanged)
    Q_PROPERTY(QVariant MouseValueX READ getMouseValueX DESIGNABLE false)
    Q_PROPERTY(QVariant MouseValueY READ getMouseValueY DESIGNABLE false)
    Q_PROPERTY(bool MouseScan READ getMouseScan WRITE putMouseScan NOTIFY settingsChanged)

public:
    explicit TesmoWidget(QWidget* parent = nullptr);
    // A control for a form designer: it starts in design mode (no database, no points) and
    // stays there until setDesignMode(false).
    enum class Start { DesignTime };
    TesmoWidget(Start start, QWidget* parent);
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

    // Writes what the control shows (background picture, scale, drawing, title) to an image
    // file: PNG, JPEG or BMP by the file's suffix, or a one-page PDF the size of the control.
    // The file records `dpi` (0: the screen's, in device pixels) and, as an image, has the
    // control's size at that resolution. A drawing under way is written as it stands and
    // goes on. False, and no file, when it cannot be written (no or an unknown suffix, a
    // folder that cannot be written, an empty control).
    bool exportImage(const QString& path, int dpi = 0);

    QSize sizeHint() const override;

signals:
    void MouseDown(short& Button, short& Shift, float& x, float& Y);
    void MouseMove(short& Button, short& Shift, float& x, float& Y);
    void MouseUp(short& Button, short& Shift, float& x, float& Y);
    void StartDrawing(bool& Cancel);
    void FinishDrawing();
    void ChangeScaleSetting(bool Redraw);
    // A persisted property changed (the container's notification), with its name; and the
    // same without it, the notification of the Qt properties.
    void PropertyChanged(const QString& name);
    void settingsChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // A release on the control's margin acts as one on the surface.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    TesmoWidget(QWidget* parent, bool runTime);
    ucTesmo& Control() const;
    bool getAutoRedraw() const;
    void putAutoRedraw(bool value);
    double getBaseStep() const;
    void putBaseStep(double value);
    bool getClipControls() const;
    void putClipControls(bool value);
    bool getFlagExit() const;
    void putFlagExit(bool value);
    QString getControlError() const;
    double getDelay() const;
    void putDelay(double value);
    int getBorderStyle() const;
    void putBorderStyle(int value);
    QImage getPicture() const;
    void putPicture(const QImage& value);
    bool getAutoSize() const;
    void putAutoSize(bool value);
    int getDrawWidth() const;
    void putDrawWidth(int value);
    int getWidth() const;
    void putWidth(int value);
    int getHeight() const;
    void putHeight(int value);
    bool getEnabled() const;
    void putEnabled(bool value);
    double getCurrentX() const;
    void putCurrentX(double value);
    double getCurrentY() const;
    void putCurrentY(double value);
    QFont getFont() const;
    void putFont(const QFont& value);
    QString getTitle() const;
    void putTitle(const QString& value);
    bool getEnableMenu() const;
    void putEnableMenu(bool value);
    bool getViewPoints() const;
    void putViewPoints(bool value);
    bool getViewGrid() const;
    void putViewGrid(bool value);
    double getLeftScale() const;
    void putLeftScale(double value);
    double getTopScale() const;
    void putTopScale(double value);
    double getRightScale() const;
    void putRightScale(double value);
    double getBottomScale() const;
    void putBottomScale(double value);
    bool getXAsDate() const;
    void putXAsDate(bool value);
    bool getYAsDate() const;
    void putYAsDate(bool value);
    double getMinX() const;
    void putMinX(double value);
    double getMaxX() const;
    void putMaxX(double value);
    double getMinY() const;
    void putMinY(double value);
    double getMaxY() const;
    void putMaxY(double value);
    int getUnitX() const;
    void putUnitX(int value);
    int getUnitY() const;
    void putUnitY(int value);
    int getMapStyle() const;
    void putMapStyle(int value);
    int getBackColor() const;
    void putBackColor(int value);
    int getForeColor() const;
    void putForeColor(int value);
    int getGridColor() const;
    void putGridColor(int value);
    int getTitleColor() const;
    void putTitleColor(int value);
    int getTextColor() const;
    void putTextColor(int value);
    int getTrackColor() const;
    void putTrackColor(int value);
    QVariant getMouseValueX() const;
    QVariant getMouseValueY() const;
    bool getMouseScan() const;
    void putMouseScan(bool value);

    std::unique_ptr<ControlHost> host_;
};

}  // namespace tesmo
