// tesmo-demo: a host application for the Tesmo control. With --screenshots DIR it plays a
// short scripted tour, saves what it shows to DIR and exits; with --tracks CONNECTION its map
// uses the tracks on a PostgreSQL server.
#include <QApplication>
#include <QCommandLineParser>
#include <QAbstractButton>
#include <QDir>
#include <QEventLoop>
#include <QInputDialog>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>

#include "ChartView.h"
#include "DemoWindow.h"
#include "MapView.h"

namespace {

void Save(QWidget& window, const QString& dir, const QString& name) {
    QApplication::processEvents();
    window.grab().save(QDir(dir).filePath(name));
}

// Answers the next question the control asks (Yes) and its name box (`name`), as a user of
// the tour would.
void AnswerQuestions(QObject* owner, const QString& name) {
    auto* poll = new QTimer(owner);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, name] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            box->button(QMessageBox::Yes)->click();
        } else if (auto* input = qobject_cast<QInputDialog*>(modal)) {
            input->setTextValue(name);
            input->accept();
            poll->deleteLater();
        }
    });
    poll->start(20);
}

// Lets the window run for a while.
void Pause(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// A line dragged with the left button on the map's surface, through positions in pixels.
void Drag(QWidget* surface, const QList<QPoint>& through) {
    const auto send = [surface](QEvent::Type type, QPoint at, Qt::MouseButtons held) {
        QMouseEvent event(type, at, surface->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          held, {});
        QApplication::sendEvent(surface, &event);
    };
    send(QEvent::MouseButtonPress, through.front(), Qt::LeftButton);
    for (const QPoint& at : through.mid(1)) send(QEvent::MouseMove, at, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, through.back(), Qt::NoButton);
}

void Tour(DemoWindow& window, const QString& dir) {
    ChartView& chart = window.chartView();
    window.showView(&chart);
    chart.prepare();
    Save(window, dir, QStringLiteral("tesmo-scale.png"));
    chart.draw();
    Save(window, dir, QStringLiteral("tesmo-chart.png"));

    MapView& map = window.mapView();
    window.showView(&map);
    // A playback under way, with its progress.
    QTimer::singleShot(400, &window, [&window, dir] { Save(window, dir, QStringLiteral("tesmo-playing.png")); });
    for (const char* track : {"Coastal Ferry", "Smugglers' Path", "River Run"}) map.play(QString::fromLatin1(track));
    Save(window, dir, QStringLiteral("tesmo-map.png"));

    // A new track by step on a cleared map, with its Undo and Discard buttons; then thrown
    // away.
    map.run(1104);
    AnswerQuestions(&window, QStringLiteral("Lighthouse walk"));
    map.run(1107);
    Drag(map.map().surface(), {QPoint(120, 430), QPoint(200, 400), QPoint(280, 390), QPoint(360, 340),
                               QPoint(440, 320), QPoint(520, 260), QPoint(600, 240), QPoint(680, 180)});
    Pause(300);  // the creation buttons follow
    Save(window, dir, QStringLiteral("tesmo-creating.png"));
    map.map().discardNewTrack();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tesmo-demo"));
    // The sample track database is built next to the demo.
    tesmo::TesmoWidget::setDefaultAppFolder(QCoreApplication::applicationDirPath());
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption shots(QStringLiteral("screenshots"),
                                   QStringLiteral("Play a short tour, save its screenshots to DIR and exit."),
                                   QStringLiteral("DIR"));
    parser.addOption(shots);
    const QCommandLineOption tracks(QStringLiteral("tracks"),
                                    QStringLiteral("Keep the map's tracks on a PostgreSQL server, given by its "
                                                   "connection string (postgresql://user@host/db)."),
                                    QStringLiteral("CONNECTION"));
    parser.addOption(tracks);
    parser.process(app);
    if (parser.isSet(tracks)) tesmo::TesmoWidget::setDefaultTrackDatabase(parser.value(tracks));

    DemoWindow window;
    window.show();
    if (parser.isSet(shots)) {
        const QString dir = parser.value(shots);
        QDir().mkpath(dir);
        QTimer::singleShot(200, &window, [&window, dir] {
            Tour(window, dir);
            QApplication::quit();
        });
    } else {
        QTimer::singleShot(0, &window, [&window] {
            window.restoreControls();
            window.chartView().draw();
        });
    }
    return QApplication::exec();
}
