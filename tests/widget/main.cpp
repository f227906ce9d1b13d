#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdlib>

#include "sqlite/SqliteConnection.h"
#include "tesmo/TesmoWidget.h"

int main(int argc, char** argv) {
    // Test discovery runs this program at build time, where there is no display.
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (!std::getenv("XDG_RUNTIME_DIR")) {
        const QString dir = QDir::temp().filePath(QStringLiteral("tesmo-test-runtime"));
        QDir().mkpath(dir);
        QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        setenv("XDG_RUNTIME_DIR", dir.toLocal8Bit().constData(), 1);
    }
#ifdef TESMO_TEST_SCALE_FACTOR
    qputenv("QT_SCALE_FACTOR", TESMO_TEST_SCALE_FACTOR);
#endif
    QApplication app(argc, argv);
    // Controls start in map mode: give them an empty track database of their own.
    QTemporaryDir folder;
    tesmo::CreateTrackDatabase(folder.filePath(QStringLiteral("Tesmo.mdb")).toStdString());
    tesmo::TesmoWidget::setDefaultAppFolder(folder.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
