// tesmo-demo: a host application for the Tesmo control. With --screenshots DIR it plays a
// short scripted tour, saves what it shows to DIR and exits.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTimer>

#include "DemoWindow.h"

namespace {

void Save(QWidget& window, const QString& dir, const QString& name) {
    QApplication::processEvents();
    window.grab().save(QDir(dir).filePath(name));
}

void Tour(DemoWindow& window, const QString& dir) {
    tesmo::ucTesmo& c = window.control().control();
    c.setTitle("Tesmo");
    Save(window, dir, QStringLiteral("tesmo-start.png"));
    c.setBorderStyle(tesmo::enBorderStyle::FixedSingle);
    c.setBackColor(0xF0F0E0);
    c.setTitleColor(0x800000);
    c.setTitle("Colours and border set by the host");
    Save(window, dir, QStringLiteral("tesmo-properties.png"));
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tesmo-demo"));
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption shots(QStringLiteral("screenshots"), QStringLiteral("Save a tour's screenshots to DIR and exit."),
                                   QStringLiteral("DIR"));
    parser.addOption(shots);
    parser.process(app);

    DemoWindow window;
    window.show();
    if (parser.isSet(shots)) {
        const QString dir = parser.value(shots);
        QDir().mkpath(dir);
        QTimer::singleShot(200, &window, [&window, dir] {
            Tour(window, dir);
            QApplication::quit();
        });
    }
    return QApplication::exec();
}
