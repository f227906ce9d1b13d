#include "menus/clsControls.h"

#include <algorithm>

#include "surface/WindowSystem.h"

namespace tesmo {

clsControls::~clsControls() {
    Clear();
}

void clsControls::Add(std::int64_t hWnd, std::int64_t Parent_hwnd, WindowSystem& windows) {
    const std::string key = KeyOf(Parent_hwnd);
    if (tyControl* old = Item(key)) {
        if (old->DefWndProc != 0) windows.RemoveHook(Parent_hwnd, old->DefWndProc);
        Remove(key);
    }
    records_.push_back({key, {hWnd, Parent_hwnd, 0}});
}

bool clsControls::Remove(const std::string& Key_hwnd) {
    const auto at = std::find_if(records_.begin(), records_.end(), [&](const Entry& e) { return e.key == Key_hwnd; });
    if (at == records_.end()) return false;
    records_.erase(at);
    return true;
}

void clsControls::Clear() {
    while (!records_.empty()) records_.pop_back();
}

tyControl* clsControls::Item(const std::string& Key_hwnd) {
    for (Entry& e : records_)
        if (e.key == Key_hwnd) return &e.record;
    return nullptr;
}

std::vector<tyControl*> clsControls::Records() {
    std::vector<tyControl*> all;
    for (Entry& e : records_) all.push_back(&e.record);
    return all;
}

void clsControls::SetTarget(std::int64_t hWnd, CommandTarget* target) {
    if (target)
        targets_[hWnd] = target;
    else
        targets_.erase(hWnd);
}

CommandTarget* clsControls::Target(std::int64_t hWnd) const {
    const auto at = targets_.find(hWnd);
    return at == targets_.end() ? nullptr : at->second;
}

std::shared_ptr<clsControls>& WindowRegistry() {
    thread_local std::shared_ptr<clsControls> registry;
    return registry;
}

std::string KeyOf(std::int64_t window) {
    return std::to_string(window);
}

void SharedWindowProc(std::int64_t window, std::int32_t id) {
    // The registry may be released by the command itself (a control shut down from it).
    const std::shared_ptr<clsControls> registry = WindowRegistry();
    if (!registry) return;
    const tyControl* record = registry->Item(KeyOf(window));
    if (!record) return;
    const auto command = CommandOfSystemId(id);
    if (!command) return;
    if (CommandTarget* target = registry->Target(record->hWnd)) target->RunCommand(*command, window);
}

}  // namespace tesmo
