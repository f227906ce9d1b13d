#pragma once

#include <QColor>
#include <QImage>
#include <QMenu>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <memory>
#include <type_traits>

#include "tesmo/Picture.h"
#include "tesmo/ucTesmo.h"

namespace tesmo {

class ControlHost;

// The Qt widget that holds one Tesmo control. Put it in a window, drive it through
// control(), and connect to its signals; the signals carry the control's events with the
// same reference parameters (connect directly to be able to set Cancel).
//
// Every setting the control stores is also a Qt property of the widget under its key name
// ("BaseStep", "TrackColor" as a QColor, "MapStyle" as an enum, "Picture" as a QImage,
// "Font" as a QFont...), for Designer, QML and other generic tools; a value the control
// refuses leaves the setting as it was. A system colour reads as the colour it stands for.
// ControlError, MouseValueX and MouseValueY are read-only and change without notice.
class TesmoWidget : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool AutoRedraw READ getAutoRedraw WRITE setAutoRedraw NOTIFY settingsChanged)
    Q_PROPERTY(double BaseStep READ getBaseStep WRITE setBaseStep NOTIFY settingsChanged)
    Q_PROPERTY(bool ClipControls READ getClipControls WRITE setClipControls NOTIFY settingsChanged)
    Q_PROPERTY(bool FlagExit READ getFlagExit WRITE setFlagExit NOTIFY settingsChanged DESIGNABLE false)
    Q_PROPERTY(QString ControlError READ getControlError DESIGNABLE false)
    Q_PROPERTY(double Delay READ getDelay WRITE setDelay NOTIFY settingsChanged)
    Q_PROPERTY(tesmo::TesmoWidget::BorderStyles BorderStyle READ getBorderStyle WRITE setBorderStyle NOTIFY settingsChanged)
    Q_PROPERTY(QImage Picture READ getPicture WRITE setPicture NOTIFY settingsChanged DESIGNABLE false)
    Q_PROPERTY(bool AutoSize READ getAutoSize WRITE setAutoSize NOTIFY settingsChanged)
    Q_PROPERTY(int DrawWidth READ getDrawWidth WRITE setDrawWidth NOTIFY settingsChanged)
    Q_PROPERTY(int Width READ getWidth WRITE setWidth NOTIFY settingsChanged)
    Q_PROPERTY(int Height READ getHeight WRITE setHeight NOTIFY settingsChanged)
    Q_PROPERTY(bool Enabled READ getEnabled WRITE putEnabled NOTIFY settingsChanged)
    Q_PROPERTY(double CurrentX READ getCurrentX WRITE setCurrentX NOTIFY settingsChanged DESIGNABLE false)
    Q_PROPERTY(double CurrentY READ getCurrentY WRITE setCurrentY NOTIFY settingsChanged DESIGNABLE false)
    Q_PROPERTY(QFont Font READ getFont WRITE setFont NOTIFY settingsChanged)
    Q_PROPERTY(QString Title READ getTitle WRITE setTitle NOTIFY settingsChanged)
    Q_PROPERTY(bool EnableMenu READ getEnableMenu WRITE setEnableMenu NOTIFY settingsChanged)
    Q_PROPERTY(bool ViewPoints READ getViewPoints WRITE setViewPoints NOTIFY settingsChanged)
    Q_PROPERTY(bool ViewGrid READ getViewGrid WRITE setViewGrid NOTIFY settingsChanged)
    Q_PROPERTY(double LeftScale READ getLeftScale WRITE setLeftScale NOTIFY settingsChanged)
    Q_PROPERTY(double TopScale READ getTopScale WRITE setTopScale NOTIFY settingsChanged)
    Q_PROPERTY(double RightScale READ getRightScale WRITE setRightScale NOTIFY settingsChanged)
    Q_PROPERTY(double BottomScale READ getBottomScale WRITE setBottomScale NOTIFY settingsChanged)
    Q_PROPERTY(bool XAsDate READ getXAsDate WRITE setXAsDate NOTIFY settingsChanged)
    Q_PROPERTY(bool YAsDate READ getYAsDate WRITE setYAsDate NOTIFY settingsChanged)
    Q_PROPERTY(double MinX READ getMinX WRITE setMinX NOTIFY settingsChanged)
    Q_PROPERTY(double MaxX READ getMaxX WRITE setMaxX NOTIFY settingsChanged)
    Q_PROPERTY(double MinY READ getMinY WRITE setMinY NOTIFY settingsChanged)
    Q_PROPERTY(double MaxY READ getMaxY WRITE setMaxY NOTIFY settingsChanged)
    Q_PROPERTY(int UnitX READ getUnitX WRITE setUnitX NOTIFY settingsChanged)
    Q_PROPERTY(int UnitY READ getUnitY WRITE setUnitY NOTIFY settingsChanged)
    Q_PROPERTY(tesmo::TesmoWidget::MapStyles MapStyle READ getMapStyle WRITE setMapStyle NOTIFY settingsChanged)
    Q_PROPERTY(QColor BackColor READ getBackColor WRITE setBackColor NOTIFY settingsChanged)
    Q_PROPERTY(QColor ForeColor READ getForeColor WRITE setForeColor NOTIFY settingsChanged)
    Q_PROPERTY(QColor GridColor READ getGridColor WRITE setGridColor NOTIFY settingsChanged)
    Q_PROPERTY(QColor TitleColor READ getTitleColor WRITE setTitleColor NOTIFY settingsChanged)
    Q_PROPERTY(QColor TextColor READ getTextColor WRITE setTextColor NOTIFY settingsChanged)
    Q_PROPERTY(QColor TrackColor READ getTrackColor WRITE setTrackColor NOTIFY settingsChanged)
    Q_PROPERTY(QVariant MouseValueX READ getMouseValueX DESIGNABLE false)
    Q_PROPERTY(QVariant MouseValueY READ getMouseValueY DESIGNABLE false)
    Q_PROPERTY(bool MouseScan READ getMouseScan WRITE setMouseScan NOTIFY settingsChanged)

public:
    // MapStyle and BorderStyle by name, as Designer and other generic tools show them; the
    // values are the control's own (BorderStyle None is NoBorder here: X11 headers define a
    // macro None).
    enum MapStyles { Map = 0, ScaleSystem = 1 };
    Q_ENUM(MapStyles)
    enum BorderStyles { NoBorder = 0, FixedSingle = 1 };
    Q_ENUM(BorderStyles)

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
    // The track store of the controls created afterwards, chosen once by a host before it
    // creates them: a PostgreSQL server shared by a team, named by a libpq connection string
    // ("postgresql://user@host/db", or "host=... dbname=..."; passwords the libpq ways:
    // PGPASSWORD or ~/.pgpass), or "" for the file Tesmo.mdb in the app folder (the default).
    static void setDefaultTrackDatabase(const QString& connection);
    static QString defaultTrackDatabase();

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

    // A drawing (Draw, a playback) as a host steers it, without FlagExit (which is meant
    // for exiting and clears the chart): cancelDrawing() ends it at its next step, leaving
    // what it drew, and raises FinishDrawing; setPaused() holds and resumes it in either
    // mode. Nothing happens when no drawing runs.
    enum class DrawingState { Idle, Drawing, Paused };
    Q_ENUM(DrawingState)
    void cancelDrawing();
    void setPaused(bool paused);
    bool isPaused() const;
    DrawingState drawingState() const;
    // The new track being created with the mouse: undoLastPoint() takes its last point back
    // (as Backspace and Ctrl+Z on the control do), discardNewTrack() rolls it back, takes
    // its points off the map and disarms without asking (Esc asks first). False when no new
    // track is armed.
    bool undoLastPoint();
    bool discardNewTrack();
    // A new track is armed or open (the commit command is available).
    bool creatingTrack() const;
    // The names of the stored tracks in order, leaving out one being created; none when the
    // store cannot be read. tracksChanged() says when to ask again.
    QStringList trackNames();

    // Each setting's setter in its Qt property's type, as uic-generated code calls it; a
    // value the control refuses leaves the setting as it was. (Enabled is QWidget::setEnabled;
    // setFont() sets the control's font and the widget's.)
    void setAutoRedraw(bool value);
    void setBaseStep(double value);
    void setClipControls(bool value);
    void setFlagExit(bool value);
    void setDelay(double value);
    void setBorderStyle(BorderStyles value);
    void setPicture(const QImage& value);
    void setAutoSize(bool value);
    void setDrawWidth(int value);
    void setWidth(int value);
    void setHeight(int value);
    void setCurrentX(double value);
    void setCurrentY(double value);
    void setFont(const QFont& value);
    void setTitle(const QString& value);
    void setEnableMenu(bool value);
    void setViewPoints(bool value);
    void setViewGrid(bool value);
    void setLeftScale(double value);
    void setTopScale(double value);
    void setRightScale(double value);
    void setBottomScale(double value);
    void setXAsDate(bool value);
    void setYAsDate(bool value);
    void setMinX(double value);
    void setMaxX(double value);
    void setMinY(double value);
    void setMaxY(double value);
    void setUnitX(int value);
    void setUnitY(int value);
    void setMapStyle(MapStyles value);
    // The colours take a QColor; a whole number (a colour as the control keeps it, or as an
    // older form saved it) is refused at compile time rather than read as RGB.
    template <typename N>
    using WholeNumber = std::enable_if_t<std::is_integral_v<N>>;
    void setBackColor(const QColor& value);
    void setForeColor(const QColor& value);
    void setGridColor(const QColor& value);
    void setTitleColor(const QColor& value);
    void setTextColor(const QColor& value);
    void setTrackColor(const QColor& value);
    template <typename N, typename = WholeNumber<N>> void setBackColor(N) = delete;
    template <typename N, typename = WholeNumber<N>> void setForeColor(N) = delete;
    template <typename N, typename = WholeNumber<N>> void setGridColor(N) = delete;
    template <typename N, typename = WholeNumber<N>> void setTitleColor(N) = delete;
    template <typename N, typename = WholeNumber<N>> void setTextColor(N) = delete;
    template <typename N, typename = WholeNumber<N>> void setTrackColor(N) = delete;
    void setMouseScan(bool value);

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
    // How many of the drawing's points are drawn (a playback counts all its branches), at
    // most about 30 times a second and always once at the end; the drawing state when it
    // changes; the stored track names may have changed (a commit, a deletion, a store opened).
    void drawingProgress(int done, int total);
    void drawingStateChanged(tesmo::TesmoWidget::DrawingState state);
    void tracksChanged();

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
    double getBaseStep() const;
    bool getClipControls() const;
    bool getFlagExit() const;
    QString getControlError() const;
    double getDelay() const;
    BorderStyles getBorderStyle() const;
    QImage getPicture() const;
    bool getAutoSize() const;
    int getDrawWidth() const;
    int getWidth() const;
    int getHeight() const;
    bool getEnabled() const;
    void putEnabled(bool value);
    double getCurrentX() const;
    double getCurrentY() const;
    QFont getFont() const;
    QString getTitle() const;
    bool getEnableMenu() const;
    bool getViewPoints() const;
    bool getViewGrid() const;
    double getLeftScale() const;
    double getTopScale() const;
    double getRightScale() const;
    double getBottomScale() const;
    bool getXAsDate() const;
    bool getYAsDate() const;
    double getMinX() const;
    double getMaxX() const;
    double getMinY() const;
    double getMaxY() const;
    int getUnitX() const;
    int getUnitY() const;
    MapStyles getMapStyle() const;
    QColor getBackColor() const;
    QColor getForeColor() const;
    QColor getGridColor() const;
    QColor getTitleColor() const;
    QColor getTextColor() const;
    QColor getTrackColor() const;
    QVariant getMouseValueX() const;
    QVariant getMouseValueY() const;
    bool getMouseScan() const;

    std::unique_ptr<ControlHost> host_;
};

}  // namespace tesmo
