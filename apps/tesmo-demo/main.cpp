// tesmo-demo: a host application for the Tesmo control. With --screenshots DIR it plays a
// short scripted tour, saves what it shows to DIR and exits; with --tracks CONNECTION its map
// uses the tracks on a PostgreSQL server.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTimer>

#include "ChartView.h"
#include "DemoWindow.h"
#include "MapView.h"

namespace {

void Save(QWidget& window, const QString& dir, const QString& name) {
    QApplication::processEvents();
    window.grab().save(QDir(dir).filePath(name));
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
    for (const char* track : {"Coastal Ferry", "Smugglers' Path", "River Run"}) map.play(QString::fromLatin1(track));
    Save(window, dir, QStringLiteral("tesmo-map.png"));
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
