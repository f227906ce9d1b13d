#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "control/Container.h"
#include "support/SharedValues.h"
#include "pg/StoreEngine.h"
#include "sqlite/SqliteConnection.h"
#include "surface/Ports.h"
#include "surface/PropertyBag.h"
#include "tesmo/ucTesmo.h"
#include "menus/CommandTarget.h"
#include "settings/frmUnit.h"
#include "tracks/frmList.h"

namespace tesmo::test {

// One call on the fake surface, with the drawing state it was made in.
struct SurfaceOp {
    std::string kind;  // "Cls", "Line", "Box", "Print"
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::int32_t color = 0;
    std::int16_t width = 0;
    std::string text;
};

// A surface that records every drawing call. Text is 100 twips a character wide and
// 200 twips high; the size is whatever it was last given.
class FakeSurface : public Surface {
public:
    std::vector<SurfaceOp> ops;
    float width = 9570, height = 6170, left = 15, top = 15;
    float currentX = 0, currentY = 0;
    std::int16_t drawWidth = 1, borderStyle = 0;
    std::int32_t foreColor = 0, backColor = 0;
    bool visible = true, autoSize = false;
    int visibilityChanges = 0;
    tesmo::Picture picture;
    float pictureWidth = 0, pictureHeight = 0;  // twips, used with AutoSize
    tesmo::Font font;

    std::vector<SurfaceOp> opsOf(const std::string& kind) const;

    void Cls() override;
    void Line(float x1, float y1, float x2, float y2) override { Line(x1, y1, x2, y2, foreColor); }
    void Line(float x1, float y1, float x2, float y2, std::int32_t color) override {
        ops.push_back({"Line", x1, y1, x2, y2, color, drawWidth, {}});
    }
    void Box(float x1, float y1, float x2, float y2, std::int32_t color) override {
        ops.push_back({"Box", x1, y1, x2, y2, color, drawWidth, {}});
    }
    void Print(const std::string& text, bool endLine) override;
    float TextWidth(const std::string& text) const override { return 100.0f * static_cast<float>(text.size()); }
    float TextHeight(const std::string&) const override { return 200.0f; }
    float ScaleWidth() const override { return width; }
    float ScaleHeight() const override { return height; }
    float CurrentX() const override { return currentX; }
    void setCurrentX(float v) override { currentX = v; }
    float CurrentY() const override { return currentY; }
    void setCurrentY(float v) override { currentY = v; }
    void setDrawWidth(std::int16_t w) override { drawWidth = w; }
    void setForeColor(std::int32_t c) override { foreColor = c; }
    void setFillColor(std::int32_t) override {}
    void setBackColor(std::int32_t c) override { backColor = c; }
    tesmo::Font Font() const override { return font; }
    void setFont(const tesmo::Font& f) override { font = f; }
    void setAutoRedraw(bool) override {}
    void setAutoSize(bool v) override;
    std::int16_t BorderStyle() const override { return borderStyle; }
    void setBorderStyle(std::int16_t s) override { borderStyle = s; }
    void setPicture(const tesmo::Picture& p) override;
    bool HasPicture() const override { return !picture.isEmpty(); }
    void setVisible(bool v) override;
    float Left() const override { return left; }
    float Top() const override { return top; }
    float Width() const override { return width; }
    float Height() const override { return height; }
    void setWidth(float v) override;
    void setHeight(float v) override;
    std::int32_t hDC() const override { return 0; }
    std::int32_t hWnd() const override { return 4242; }
    bool ClipControls() const override { return true; }

private:
    void fit();
};

struct PromptCall {
    std::string text;
    int style = 0;
    std::string title;
};

// Prompts that answer from a queue (OK, or the empty text, when it runs dry).
class FakePrompts : public Prompts {
public:
    std::vector<PromptCall> calls;
    std::deque<int> answers;
    std::deque<std::string> inputs;

    int MsgBox(const std::string& text, int style, const std::string& title) override;
    std::string InputBox(const std::string& prompt, const std::string& title, const std::string& def) override;
    void Beep() override {}
};

// A folder of its own holding an empty track database, made once for the test program.
const std::string& EmptyDatabaseFolder();
// A fresh temporary folder (removed when the program ends).
std::string NewFolder();

class FakeHost : public HostSite {
public:
    float innerWidth = 9600, innerHeight = 6200;
    std::vector<std::string> notified;
    std::vector<std::int32_t> widthsSet, heightsSet;
    bool userMode = true, enabled = true, visible = true;
    std::int32_t backColor = 0;
    std::string folder = EmptyDatabaseFolder();
    bool failSizes = false;

    float InnerWidth() const override { return innerWidth; }
    float InnerHeight() const override { return innerHeight; }
    bool LaidOut() const override { return false; }
    void setWidth(std::int32_t twips) override;
    void setHeight(std::int32_t twips) override;
    void setBackColor(std::int32_t c) override { backColor = c; }
    bool Enabled() const override { return enabled; }
    bool Visible() const override { return visible; }
    void setEnabled(bool v) override { enabled = v; }
    void PropertyChanged(const std::string& name) override { notified.push_back(name); }
    bool UserMode() const override { return userMode; }
    tesmo::Font AmbientFont() const override { return {}; }
    float TwipsPerPixelX() const override { return 15; }
    float TwipsPerPixelY() const override { return 15; }
    std::string ComponentFolder() const override { return folder; }
};

class FakeClock : public Clock {
public:
    double now = 1000.0;
    double today = 45000.0;
    double NowMs() const override { return now; }
    double Now() const override { return today; }
};

// A user-interface loop whose waits move the fake clock to their deadline; onYield runs
// at every yield, standing for whatever the user or the host does meanwhile.
class FakeUiLoop : public UiLoop {
public:
    explicit FakeUiLoop(FakeClock& clock) : clock_(clock) {}
    int yields = 0;
    std::vector<double> waits;  // the durations waited for
    std::function<void()> onYield;

    void Yield() override;
    void WaitUntil(double deadlineMs) override;

private:
    FakeClock& clock_;
};

class FakeLocale : public Locale {
public:
    std::string shortDate = "31/03/1999";
    std::string decimal = ".";
    std::string group = ",";
    std::string ShortDateText(double) const override { return shortDate; }
    std::string DecimalSeparator() const override { return decimal; }
    std::string GroupSeparator() const override { return group; }
};

// Dialogs that record what they show; the user's part in the track list is played by
// `onTrackList` (by default the window is closed without a choice).
class FakeDialogs : public DialogViews {
public:
    int aboutShown = 0, unloaded = 0;
    std::vector<std::string> listCaptions;
    std::vector<std::vector<std::string>> listEntries;
    std::function<void(frmList&)> onTrackList = [](frmList& list) { list.ClosedByUser(); };
    // The user's part in the settings dialog; by default the window is closed at once.
    std::function<void(frmUnit&)> onSettings = [](frmUnit& dialog) { dialog.Unload(true); };
    std::vector<bool> settingsModal;
    frmUnit* settings = nullptr;

    void ShowAbout() override { ++aboutShown; }
    void ShowTrackList(frmList& list, bool) override;
    void ShowSettings(frmUnit& dialog, bool modal, bool) override {
        settingsModal.push_back(modal);
        settings = &dialog;
        onSettings(dialog);
    }
    void CloseSettings() override {
        if (settings && settings->Showing) settings->Unload(false);
    }
    void UnloadAll() override { ++unloaded; }
};

// Picks the named entry in the track list and presses OK.
std::function<void(frmList&)> Choose(const std::string& name);

// Records the events; StartDrawing cancels when `cancel` says so.
class RecordingEvents : public ucTesmoEvents {
public:
    std::vector<std::string> raised;
    std::function<bool()> cancel = [] { return false; };
    std::vector<bool> scaleRedraws;

    void MouseDown(std::int16_t&, std::int16_t&, float&, float&) override { raised.push_back("MouseDown"); }
    void MouseMove(std::int16_t&, std::int16_t&, float&, float&) override { raised.push_back("MouseMove"); }
    void MouseUp(std::int16_t&, std::int16_t&, float&, float&) override { raised.push_back("MouseUp"); }
    void StartDrawing(bool& Cancel) override;
    void FinishDrawing() override { raised.push_back("FinishDrawing"); }
    void ChangeScaleSetting(bool Redraw) override;
};

// Window menus kept as lists of items, hooks and stay-on-top bands as flags, in a state that
// controls in the same windows share; the pop-up menus shown are recorded and answered by
// `pick` (by default nothing is picked).
class FakeWindowSystem : public WindowSystem {
public:
    struct Item {
        std::int32_t id;
        std::string caption;
        bool rule;
        bool enabled = true;
        bool checked = false;
    };
    struct Windows {
        std::map<std::int64_t, std::vector<Item>> menus;  // the items added after the window's own
        std::map<std::int64_t, bool> hooked, topmost;
    };
    std::int64_t parent = 0;
    std::int64_t surfaceWindow = 4242;
    std::shared_ptr<Windows> shared = std::make_shared<Windows>();
    std::vector<PopupMenu> popups;
    std::function<int(const PopupMenu&)> pick = [](const PopupMenu&) { return -1; };

    // The item of a window's menu, or none.
    Item* item(std::int64_t window, std::int32_t id);

    std::int64_t ParentWindow() override { return parent; }
    std::int64_t SurfaceWindow() override { return surfaceWindow; }
    int ShowPopup(const PopupMenu& menu, float, float) override;
    void ResetMenu(std::int64_t window) override {
        if (window != 0) shared->menus[window].clear();
    }
    void AddMenuItem(std::int64_t window, std::int32_t id, const std::string& caption, bool rule) override {
        if (window != 0) shared->menus[window].push_back({id, caption, rule});
    }
    void EnableMenuItem(std::int64_t window, std::int32_t id, bool enabled) override {
        if (Item* i = item(window, id)) i->enabled = enabled;
    }
    bool IsMenuItemChecked(std::int64_t window, std::int32_t id) override;
    void CheckMenuItem(std::int64_t window, std::int32_t id, bool checked) override {
        if (Item* i = item(window, id)) i->checked = checked;
    }
    void SetMenuItemCaption(std::int64_t window, std::int32_t id, const std::string& caption) override {
        if (Item* i = item(window, id)) i->caption = caption;
    }
    std::int64_t InstallHook(std::int64_t window) override;
    void RemoveHook(std::int64_t window, std::int64_t) override { shared->hooked[window] = false; }
    void SetTopmostWindow(std::int64_t window, bool on) override { shared->topmost[window] = on; }
    bool IsTopmostWindow(std::int64_t window) override { return shared->topmost[window]; }
};

// Dialogs that record what they show: the colour dialog answers `answer`, the open-file
// dialog the paths in `files` (cancelled when empty). A picture file is a picture of one
// pixel unless its name ends in ".bad".
class FakeCommonDialogs : public CommonDialogs {
public:
    std::vector<std::pair<std::int32_t, std::string>> shown;  // initial colour, title
    std::int32_t answer = -1;
    std::vector<OpenFileDialogSetup> opened;
    std::vector<std::string> files;
    std::int32_t ShowColorDialog(std::int32_t initial, const std::string& title) override;
    std::vector<std::string> ShowOpenFileDialog(OpenFileDialogSetup& setup) override;
    tesmo::Picture LoadPicture(const std::string& path) override;
};

// A store of typed values in memory.
class MemoryPropertyBag : public PropertyBag {
public:
    std::map<std::string, Variant> values;
    std::map<std::string, tesmo::Picture> pictures;
    std::map<std::string, tesmo::Font> fonts;
    Variant ReadProperty(const std::string& name, const Variant& defaultValue) override {
        return values.contains(name) ? values.at(name) : defaultValue;
    }
    void WriteProperty(const std::string& name, const Variant& value, const Variant&) override { values[name] = value; }
    tesmo::Picture ReadPicture(const std::string& name) override { return pictures[name]; }
    void WritePicture(const std::string& name, const tesmo::Picture& p) override { pictures[name] = p; }
    tesmo::Font ReadFont(const std::string& name, const tesmo::Font& defaultFont) override {
        return fonts.contains(name) ? fonts.at(name) : defaultFont;
    }
    void WriteFont(const std::string& name, const tesmo::Font& f, const tesmo::Font&) override { fonts[name] = f; }
};

// Records the commands the menus run.
class RecordingCommands : public CommandTarget {
public:
    std::vector<std::pair<Command, std::int64_t>> run;
    void RunCommand(Command command, std::int64_t window) override { run.emplace_back(command, window); }
};

// Restores the thread's shared locale values after a test that changes them.
class SharedValuesTest : public ::testing::Test {
protected:
    void SetUp() override { saved_ = Shared(); }
    void TearDown() override { Shared() = saved_; }

private:
    SharedValues saved_;
};

// The number of the tesmo::Error a call throws (its description into `description`), or 0.
int ErrorOf(const std::function<void()>& call, std::string* description = nullptr);

// A picture of one pixel.
Picture FakePicture();

// Recording fakes of every port but the database, which is real.
struct FakePorts {
    FakeSurface surface;
    FakePrompts prompts;
    FakeHost host;
    FakeClock clock;
    FakeUiLoop ui{clock};
    FakeLocale locale;
    FakeDialogs dialogs;
    RecordingEvents events;
    StoreEngine database;  // Tesmo.mdb in the host's folder, unless a test chooses a server
    FakeWindowSystem windows;
    FakeCommonDialogs common;
    const Ports ports{surface, prompts, host, ui, clock, locale, dialogs, events, database, windows, common};
};

// A control on recording fakes.
struct Rig : FakePorts {
    ucTesmo control{ports};

    Container container() { return Container(control); }
    // Start-up, fresh settings and the run-time preparation, as a widget does it, with the
    // track database in `folder` (an empty one by default). Forgets what was drawn, shown
    // and notified on the way.
    void start();
    void start(const std::string& folder);
};

}  // namespace tesmo::test
