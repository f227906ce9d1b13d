// A settings INI file, as a user may have edited it, read into a control. What the control
// then writes must read back the same: a second round changes nothing.
#include <QDir>
#include <QSettings>
#include <cstdlib>
#include <fstream>

#include "FuzzTarget.h"
#include "sqlite/SqliteConnection.h"
#include "targets/TempFolder.h"
#include "tesmo/TesmoWidget.h"

namespace {

// Reads `from` into a new control and writes the control's settings to `to`.
void Round(QSettings& from, QSettings& to) {
    tesmo::TesmoWidget control;
    control.readProperties(from);
    control.writeProperties(to);
    to.sync();
}

QString File(const char* name) {
    static int input = 0;
    return QString::fromStdString((tesmo::fuzz::TempFolder() / (name + std::to_string(input++) + ".ini")).string());
}

}  // namespace

TESMO_FUZZ_TARGET(SettingsIni) {
    using namespace tesmo;
    fuzz::NeedApplication();
    static const bool database = [] {
        CreateTrackDatabase((fuzz::TempFolder() / "Tesmo.mdb").string());
        TesmoWidget::setDefaultAppFolder(QString::fromStdString(fuzz::TempFolder().string()));
        return true;
    }();
    (void)database;
    // A file name of its own each time: QSettings caches what it has read of a file.
    const QString input = File("input"), first = File("first"), second = File("second");
    std::ofstream(input.toStdString(), std::ios::binary).write(reinterpret_cast<const char*>(data),
                                                              static_cast<std::streamsize>(size));
    {
        QSettings in(input, QSettings::IniFormat), once(first, QSettings::IniFormat),
            twice(second, QSettings::IniFormat);
        Round(in, once);
        Round(once, twice);
        for (const QString& key : once.allKeys() + twice.allKeys())
            if (once.value(key) != twice.value(key)) std::abort();
    }
    for (const QString& file : {input, first, second}) QFile::remove(file);
    return 0;
}
