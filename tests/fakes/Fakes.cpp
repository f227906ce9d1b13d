#include "fakes/Fakes.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "tesmo/Error.h"

namespace tesmo::test {

std::vector<SurfaceOp> FakeSurface::opsOf(const std::string& kind) const {
    std::vector<SurfaceOp> out;
    for (const auto& op : ops)
        if (op.kind == kind) out.push_back(op);
    return out;
}

void FakeSurface::Cls() {
    ops.push_back({"Cls", 0, 0, 0, 0, 0, 0, {}});
    currentX = currentY = 0;
}

void FakeSurface::Print(const std::string& text, bool endLine) {
    ops.push_back({"Print", currentX, currentY, 0, 0, foreColor, drawWidth, text});
    if (endLine) {
        currentX = 0;
        currentY += TextHeight(text);
    } else {
        currentX += TextWidth(text);
    }
}

void FakeSurface::setAutoSize(bool v) {
    autoSize = v;
    fit();
}

void FakeSurface::setPicture(const tesmo::Picture& p) {
    picture = p;
    fit();
}

void FakeSurface::setVisible(bool v) {
    visible = v;
    ++visibilityChanges;
}

void FakeSurface::setWidth(float v) {
    if (v < 0) throw Error(errors::InvalidPropertyValue, "Invalid property value");
    width = v;
}

void FakeSurface::setHeight(float v) {
    if (v < 0) throw Error(errors::InvalidPropertyValue, "Invalid property value");
    height = v;
}

void FakeSurface::fit() {
    if (autoSize && !picture.isEmpty()) {
        width = pictureWidth;
        height = pictureHeight;
    }
}

int FakePrompts::MsgBox(const std::string& text, int style, const std::string& title) {
    calls.push_back({text, style, title});
    if (answers.empty()) return msgbox::Ok;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
}

std::string FakePrompts::InputBox(const std::string& prompt, const std::string& title, const std::string&) {
    calls.push_back({prompt, -1, title});
    if (inputs.empty()) return {};
    std::string answer = inputs.front();
    inputs.pop_front();
    return answer;
}

void FakeHost::setWidth(std::int32_t twips) {
    if (failSizes || twips < 0) throw Error(errors::InvalidPropertyValue, "Invalid property value");
    widthsSet.push_back(twips);
    innerWidth = static_cast<float>(twips);
}

void FakeHost::setHeight(std::int32_t twips) {
    if (failSizes || twips < 0) throw Error(errors::InvalidPropertyValue, "Invalid property value");
    heightsSet.push_back(twips);
    innerHeight = static_cast<float>(twips);
}

void FakeUiLoop::Yield() {
    ++yields;
    if (onYield) onYield();
}

void FakeUiLoop::WaitUntil(double deadlineMs) {
    waits.push_back(deadlineMs - clock_.now);
    if (deadlineMs > clock_.now) clock_.now = deadlineMs;
}

void RecordingEvents::StartDrawing(bool& Cancel) {
    raised.push_back("StartDrawing");
    Cancel = cancel();
}

void RecordingEvents::ChangeScaleSetting(bool Redraw) {
    raised.push_back("ChangeScaleSetting");
    scaleRedraws.push_back(Redraw);
}

FakeWindowSystem::Item* FakeWindowSystem::item(std::int64_t window, std::int32_t id) {
    for (Item& i : shared->menus[window])
        if (i.id == id) return &i;
    return nullptr;
}

int FakeWindowSystem::ShowPopup(const PopupMenu& menu, float, float) {
    popups.push_back(menu);
    return pick(menu);
}

bool FakeWindowSystem::IsMenuItemChecked(std::int64_t window, std::int32_t id) {
    const Item* i = item(window, id);
    return i && i->checked;
}

std::int64_t FakeWindowSystem::InstallHook(std::int64_t window) {
    shared->hooked[window] = true;
    return 77;
}

std::int32_t FakeCommonDialogs::ShowColorDialog(std::int32_t initial, const std::string& title) {
    shown.emplace_back(initial, title);
    return answer;
}

std::vector<std::string> FakeCommonDialogs::ShowOpenFileDialog(OpenFileDialogSetup& setup) {
    opened.push_back(setup);
    return files;
}

Picture FakeCommonDialogs::LoadPicture(const std::string& path) {
    if (path.ends_with(".bad")) throw Error(481, "not a picture");
    return FakePicture();
}

int ErrorOf(const std::function<void()>& call, std::string* description) {
    try {
        call();
    } catch (const Error& e) {
        if (description) *description = e.description();
        return e.number();
    }
    return 0;
}

Picture FakePicture() {
    struct Pixel : Picture::Data {
        int widthPixels() const override { return 1; }
        int heightPixels() const override { return 1; }
    };
    return Picture(std::make_shared<const Pixel>());
}

void Rig::start() {
    Container c = container();
    c.Initialize();
    c.InitProperties();
    c.StartRunTime();
    surface.ops.clear();
    host.notified.clear();
    prompts.calls.clear();
}

void Rig::start(const std::string& folder) {
    host.folder = folder;
    start();
}

std::string NewFolder() {
    namespace fs = std::filesystem;
    // Removed when the program ends, by the destructor of the static that holds its name.
    static const struct Root {
        Root() {
            std::string pattern = (fs::temp_directory_path() / "tesmo-tests-XXXXXX").string();
            path = mkdtemp(pattern.data());
        }
        ~Root() {
            std::error_code ignored;
            fs::remove_all(path, ignored);
        }
        fs::path path;
    } root;
    static int next = 0;
    const fs::path folder = root.path / std::to_string(++next);
    fs::create_directories(folder);
    return folder.string() + "/";
}

const std::string& EmptyDatabaseFolder() {
    static const std::string folder = [] {
        std::string f = NewFolder();
        CreateTrackDatabase(f + "Tesmo.mdb");
        return f;
    }();
    return folder;
}

void FakeDialogs::ShowTrackList(frmList& list, bool) {
    listCaptions.push_back(list.Caption());
    listEntries.push_back(list.Entries());
    onTrackList(list);
}

std::function<void(frmList&)> Choose(const std::string& name) {
    return [name](frmList& list) {
        const auto& entries = list.Entries();
        const auto at = std::find(entries.begin(), entries.end(), name);
        list.OK(at == entries.end() ? std::nullopt : std::optional<std::size_t>(at - entries.begin()));
    };
}

}  // namespace tesmo::test
