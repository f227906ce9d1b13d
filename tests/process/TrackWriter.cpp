// Records tracks through the control, offscreen, for the tests that kill it or run it next
// to another program on one database. It says on its output what it has done, each line
// once the database has it.
//
//   tesmo_track_writer FOLDER create PREFIX COUNT POINTS  creates and commits PREFIX1...PREFIXCOUNT
//   tesmo_track_writer FOLDER hold NAME POINTS            creates NAME and keeps it open until a
//                                                         line "commit" or "quit" comes on input
#include <QApplication>
#include <QTest>
#include <cstdlib>
#include <iostream>
#include <string>

#include "tesmo/TesmoWidget.h"
#include "widget/Answers.h"

namespace tesmo {
namespace {

constexpr const char* kUsage =
    "usage: tesmo_track_writer FOLDER create PREFIX COUNT POINTS | hold NAME POINTS\n";

// Arms creation by points for `name` and clicks `points` points, each far enough from the
// last not to make a double click.
void Place(TesmoWidget& control, const QString& name, int points) {
    {
        Answers answers({"Yes", name});
        control.systemCommand(1108);
    }
    for (int i = 0; i < points; ++i)
        QTest::mouseClick(control.surface(), Qt::LeftButton, {}, QPoint(15 + 17 * (i % 20), 40 + 12 * (i / 20 % 20)));
}

bool Commit(TesmoWidget& control) {
    Answers answers({"OK"});
    control.systemCommand(1109);
    return answers.texts.size() == 1 && answers.texts[0].contains("has been stored");
}

int Run(TesmoWidget& control, const QStringList& args) {
    const QString action = args.value(0);
    if (action == "create" && args.size() == 4) {
        for (int i = 1; i <= args[2].toInt(); ++i) {
            const QString name = args[1] + QString::number(i);
            Place(control, name, args[3].toInt());
            if (!Commit(control)) return 1;
            std::cout << "committed " << name.toStdString() << std::endl;
        }
        return 0;
    }
    if (action == "hold" && args.size() == 3) {
        Place(control, args[1], args[2].toInt());
        std::cout << "holding" << std::endl;
        std::string line;
        std::getline(std::cin, line);
        if (line != "commit") return 0;  // the track is dropped with the control
        if (!Commit(control)) return 1;
        std::cout << "committed " << args[1].toStdString() << std::endl;
        return 0;
    }
    std::cerr << kUsage;
    return 2;
}

}  // namespace
}  // namespace tesmo

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments().mid(1);
    if (args.size() < 2) {
        std::cerr << tesmo::kUsage;
        return 2;
    }
    tesmo::TesmoWidget::setDefaultAppFolder(args[0]);
    QWidget window;
    auto* control = new tesmo::TesmoWidget(&window);
    control->resize(400, 300);
    window.resize(420, 320);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    return tesmo::Run(*control, args.mid(1));
}
