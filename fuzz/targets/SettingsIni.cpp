// A settings INI file, as a user may have edited it, read into a control. What the control
// then writes must read back the same: a second round changes nothing.
#include <QDir>
#include <QSettings>
#include <chrono>
#include <cstdlib>
#include <filesystem>

#include "FuzzTarget.h"
#include "sqlite/SqliteConnection.h"
#include "targets/TempFolder.h"
#include "tesmo/TesmoWidget.h"

namespace {

// Reads `from` into the process's control and writes the control's settings to `to`. A
// read sets every setting, to its default where the file has none, so one control serves
// every input.
tesmo::TesmoWidget& Control() {
    static tesmo::TesmoWidget* control = new tesmo::TesmoWidget;
    return *control;
}

void Round(QSettings& from, QSettings& to) {
    Control().readProperties(from);
    to.clear();
    Control().writeProperties(to);
    to.sync();
}

// The same three files for every input: QSettings keeps each file it has read in a cache,
// and a cache that grows would have the leak check scan the heap after every input.
QString File(const char* name) {
    return QString::fromStdString((tesmo::fuzz::TempFolder() / (std::string(name) + ".ini")).string());
}

}  // namespace

TESMO_FUZZ_TARGET(SettingsIni) {
    using namespace tesmo;
    fuzz::NeedApplication();
    [[maybe_unused]] static const bool database = [] {
        CreateTrackDatabase((fuzz::TempFolder() / "Tesmo.mdb").string());
        TesmoWidget::setDefaultAppFolder(QString::fromStdString(fuzz::TempFolder().string()));
        return true;
    }();
    const QString input = File("input"), first = File("first"), second = File("second");
    fuzz::WriteFile(input.toStdString(), {reinterpret_cast<const char*>(data), size});
    // A time of its own for each input, so that QSettings reads the file again rather than
    // what it kept of the last one.
    static const auto start = std::filesystem::file_time_type::clock::now();
    static int inputs = 0;
    std::filesystem::last_write_time(input.toStdString(), start + std::chrono::seconds(++inputs));
    {
        QSettings in(input, QSettings::IniFormat), once(first, QSettings::IniFormat),
            twice(second, QSettings::IniFormat);
        Round(in, once);
        Round(once, twice);
        for (const QString& key : once.allKeys() + twice.allKeys())
            if (once.value(key) != twice.value(key)) std::abort();
    }
    // Small again between inputs: the leak check reads every live block, a surface an
    // input made large among them.
    Control().control().setWidth(960);
    Control().control().setHeight(720);
    for (const QString& file : {input, first, second}) QFile::remove(file);
    return 0;
}
