// Two programs on one track database: while one keeps its new track open, the other lists
// and plays tracks, and its writes (a new track, a deletion, an import) wait a bounded time
// and fail the way the control reports failures; afterwards both tracks are there whole.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>
#include <fstream>

#include "process/ProcessRig.h"
#include "tesmo/TesmoWidget.h"
#include "widget/Answers.h"

namespace tesmo {
namespace {

// Reads the writer's output until `line` comes (or the writer ends).
bool WaitForLine(QProcess& writer, const QString& line) {
    QString seen;
    while (!seen.split('\n').contains(line)) {
        if (!writer.waitForReadyRead(60000)) return false;
        seen += QString::fromUtf8(writer.readAllStandardOutput());
    }
    return true;
}

TEST(SharedDatabase, AnOpenTrackElsewhereLetsReadersOnAndTurnsWritersAwayInTime) {
    Database db;
    db.Add("Kept", 3);
    QProcess writer;
    writer.start(TESMO_TRACK_WRITER, {db.folder(), "hold", "Open", "5"});
    ASSERT_TRUE(WaitForLine(writer, "holding")) << writer.readAllStandardError().toStdString();

    const QString previous = TesmoWidget::defaultAppFolder();
    TesmoWidget::setDefaultAppFolder(db.folder());
    QWidget window;
    auto* control = new TesmoWidget(&window);
    TesmoWidget::setDefaultAppFolder(previous);
    control->resize(400, 300);
    window.resize(420, 320);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    // Readers: the list holds the committed track only, and it plays.
    for (const char* name : {"Open", "Kept"}) {
        Answers answers({name});
        EXPECT_EQ(control->control().DrawTrack(""), name == std::string("Kept")) << name;
    }
    EXPECT_EQ(control->control().TrackName(), "Kept");

    // Writers fail after a short wait: a point of a new track of the same name...
    {
        Answers answers({"Yes", "Open"});
        control->systemCommand(1108);
    }
    QElapsedTimer clock;
    const auto lockedOut = [&](const auto& write) {
        clock.start();
        write();
        EXPECT_GE(clock.elapsed(), 200) << "a writer waits for the other to finish first";
        EXPECT_LT(clock.elapsed(), 5000) << "the window waits a bounded time";
    };
    {
        Answers answers({"OK"});
        lockedOut([&] { QTest::mouseClick(control->surface(), Qt::LeftButton, {}, QPoint(30, 30)); });
        EXPECT_TRUE(answers.texts.value(0).contains("database is locked")) << answers.texts.value(0).toStdString();
    }
    // ... a deletion ...
    {
        Answers answers({"Kept", "Yes"});
        lockedOut([&] { control->systemCommand(1105); });
    }
    EXPECT_EQ(control->control().TrackName(), "Kept") << "not deleted";
    EXPECT_NE(control->control().ControlError().find("database is locked"), std::string::npos);
    // ... and an import.
    QProcess import;
    const QString csv = QDir(db.folder()).filePath("in.csv");
    std::ofstream(csv.toStdString()) << "1,1,5,5\n";
    lockedOut([&] {
        import.start(TESMO_TRACKS_TOOL, {"import", QString::fromStdString(db.path()), csv, "Kept"});
        import.waitForFinished();
    });
    EXPECT_EQ(import.exitCode(), 1);
    EXPECT_TRUE(import.readAllStandardError().contains("database is locked"));

    writer.write("commit\n");
    ASSERT_TRUE(WaitForLine(writer, "committed Open"));
    writer.waitForFinished();

    // The track named while the other was open goes on as the next branch of that name,
    // not into the branch just stored.
    QTest::mouseClick(control->surface(), Qt::LeftButton, {}, QPoint(60, 60));
    QTest::mouseClick(control->surface(), Qt::LeftButton, {}, QPoint(90, 60));
    {
        Answers answers({"OK"});
        control->systemCommand(1109);
        EXPECT_EQ(answers.texts.value(0).toStdString(),
                  "New Track named  ''Open''  (of the  2\u00B0 Branch) has been stored in DB.");
    }
    EXPECT_EQ(db.Integrity(), "ok");
    const std::map<std::string, std::string> expected = {{"Kept", "3:1-3:1"}, {"Open", "7:1-7:1,2"}};
    EXPECT_EQ(db.Tracks(), expected);
}

}  // namespace
}  // namespace tesmo
