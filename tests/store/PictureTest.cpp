// The pickers' helpers and the picture commands, with a playback restarted over a new
// picture.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "control/Commands.h"
#include "fakes/Fakes.h"
#include "fakes/TrackDatabase.h"
#include "support/Pickers.h"

namespace tesmo::test {
namespace {

TEST(Pickers, FileExistsAndDirectoryOf) {
    const std::string folder = NewFolder();
    std::filesystem::create_directories(folder + "sub dir \"q\"/");
    std::ofstream(folder + "Città map.bmp") << "x";
    std::ofstream(folder + "*ax.map") << "x";
    const struct {
        std::string path;
        bool exists;
        const char* directory;
    } cases[] = {
        {folder + "Città map.bmp", true, ""},
        {"\"" + folder + "Città map.bmp\"", true, ""},
        {folder + "Città map.bmp/", true, ""},
        {" " + folder + "Città map.bmp", false, ""},  // the blank is part of the name
        {folder + "Citt? map.bmp", true, ""},          // one character, of two bytes
        {"/dev/null", true, ""},                       // a device is no folder
        {folder + "*x.map", true, ""},                 // a "*" in the name is a character like any
        {folder + "sub dir \"q\"", false, ""},  // a folder
        {folder + "sub dir \"q\"/", false, ""},
        {folder + "*.bmp", true, ""},
        {folder + "*.jpg", false, ""},
        {folder + "missing.bmp", false, ""},
        {"   ", false, ""},
        {"/a/b/c.bmp", false, "/a/b/"},
        {"\"/a/b c/d.jpg", false, "/a/b c/"},
        {"/", false, "/"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FileExists(c.path), c.exists) << c.path;
        if (*c.directory) {
            EXPECT_EQ(DirectoryOf(c.path), c.directory) << c.path;
        }
    }
    EXPECT_EQ(DirectoryOf(folder + "Città map.bmp"), folder);
}

TEST(Pickers, TheDialogsGetWhatTheCallerAsks) {
    FakeCommonDialogs dialogs;
    OpenFileRequest request;
    request.filter = "Pictures|*.bmp;*.png|All|*.*";
    dialogs.files = {"/maps/north/coast.png"};
    EXPECT_EQ(ShowOpenFileDialog(dialogs, request), std::vector<std::string>{"/maps/north/coast.png"});
    EXPECT_EQ(dialogs.opened[0].title, "Open");
    EXPECT_EQ(dialogs.opened[0].filters,
              (std::vector<std::pair<std::string, std::string>>{{"Pictures", "*.bmp;*.png"}, {"All", "*.*"}}));
    EXPECT_EQ(request.fileName, "coast.png");
    EXPECT_EQ(request.initialDirectory, "/maps/north/");
    dialogs.files.clear();
    EXPECT_EQ(ShowOpenFileDialog(dialogs, request), std::vector<std::string>{""}) << "cancelled";

    ShowColorDialog(dialogs, -2147483640);
    EXPECT_EQ(dialogs.shown.back(), (std::pair<std::int32_t, std::string>{8, "Set Color"}))
        << "a system colour starts at its low 24 bits";
}

TEST(PictureCommands, SetAndRemovePicture) {
    Rig rig;
    rig.start();
    Commands commands(rig.control);
    const std::string folder = NewFolder();
    for (const char* name : {"map.bmp", "map.bad"}) std::ofstream(folder + name) << "x";

    rig.common.files = {folder + "map.bmp"};
    commands.Run(Command::Picture);
    const OpenFileDialogSetup& shown = rig.common.opened.at(0);
    EXPECT_EQ(shown.fileName, "*.bmp");
    EXPECT_TRUE(shown.mustExist);
    const Picture loaded = rig.control.Picture();
    EXPECT_FALSE(loaded.isEmpty());

    rig.common.files = {folder + "map.bad"};
    commands.Run(Command::Picture);
    EXPECT_EQ(rig.control.Picture(), loaded) << "a file that is no picture keeps the one shown";
    EXPECT_EQ(rig.prompts.calls.back().text, folder + "map.bad\r\rThe file can't be shown as a picture: not a picture");
    rig.common.files = {folder + "gone.bmp"};
    const auto shownBefore = rig.prompts.calls.size();
    commands.Run(Command::Picture);
    EXPECT_EQ(rig.prompts.calls.size(), shownBefore) << "a file that does not exist is not loaded";

    rig.prompts.answers = {msgbox::No, msgbox::Yes};
    commands.Run(Command::ClearPic);
    EXPECT_EQ(rig.prompts.calls.back().text, "Do you want to clear the current picture ?");
    EXPECT_EQ(rig.prompts.calls.back().style, 36);
    EXPECT_EQ(rig.control.Picture(), loaded);
    commands.Run(Command::ClearPic);
    EXPECT_TRUE(rig.control.Picture().isEmpty());
}

TEST(PictureCommands, APlaybackStartsAgainOverTheNewPicture) {
    Rig rig;
    rig.start(DatabaseWith({{1, "Coast", 1, 0, 0}, {2, "Coast", 1, 3000, 0}, {3, "Coast", 2, 0, 900},
                            {4, "Coast", 2, 900, 900}}));
    Commands commands(rig.control);
    const std::string folder = NewFolder();
    std::ofstream(folder + "map.bmp") << "x";
    rig.common.files = {folder + "map.bmp"};
    rig.control.setDelay(5);
    rig.control.setBaseStep(300);
    bool set = false;
    rig.ui.onYield = [&] {
        if (!set && rig.surface.opsOf("Line").size() == 4) {  // branch 1 under way
            set = true;
            commands.Run(Command::Picture);
        }
    };
    EXPECT_TRUE(rig.control.DrawTrack("Coast"));
    const auto& raised = rig.events.raised;
    EXPECT_EQ(std::count(raised.begin(), raised.end(), "StartDrawing"), 3) << "branch 1, then both again";
    EXPECT_EQ(std::count(raised.begin(), raised.end(), "FinishDrawing"), 2);
    EXPECT_EQ(rig.surface.opsOf("Line").back().x2, 900) << "ends with the last branch";

    // A chart being drawn stops where it is, and is not reported finished.
    rig.control.setMapStyle(enMapStyle::ScaleSystem);
    rig.control.Point_Add(0, 0);
    rig.control.Point_Add(100, 100);
    rig.events.raised.clear();
    std::size_t linesWhenSet = 0;
    int steps = 0;
    rig.ui.onYield = [&] {
        if (rig.events.raised.size() == 1 && ++steps == 5) {  // a few steps into the drawing
            linesWhenSet = rig.surface.opsOf("Line").size();
            commands.Run(Command::Picture);
        }
    };
    rig.control.Draw();
    EXPECT_EQ(raised, std::vector<std::string>{"StartDrawing"});
    EXPECT_EQ(rig.surface.opsOf("Line").size(), linesWhenSet) << "nothing drawn after the picture";
}

}  // namespace
}  // namespace tesmo::test
