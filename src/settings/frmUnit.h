#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "settings/FieldEditor.h"

namespace tesmo {

class ucTesmo;
class Prompts;
class CommonDialogs;
class Clock;

// The fields of the settings dialog, in their tab order.
enum class UnitField { MinX, MaxX, UnitX, MinY, MaxY, UnitY, Count };
enum class Swatch { Grid, Back, Chart };

// The coordinate-system settings dialog as the control sees it: its state, its fields'
// editing models, the checks and swatches, and what its buttons do to the control it
// edits. The platform shows it and passes the user's actions here, copying each field's
// text and selection in before and out after.
class frmUnit {
public:
    // The state of one opening; SavedMaxX and SavedMaxY outlive it.
    std::string DateFormat = "dd/mm/yyyy";
    std::string DateMask = "__/__/____";
    bool XIsDate = false, YIsDate = false;
    bool Showing = false;
    bool Cancel = false;
    std::string SavedMaxX, SavedMaxY;
    std::string Caption = "Coordinate System settings";

    // The controls.
    std::array<FieldEditor, static_cast<std::size_t>(UnitField::Count)> fields{
        FieldEditor(true), FieldEditor(true), FieldEditor(false),
        FieldEditor(true), FieldEditor(true), FieldEditor(false)};
    bool DateX = false, DateY = false, Grid = false;
    std::array<std::int32_t, 3> swatches{};
    bool DrawEnabled = false;
    std::string CancelCaption = "Cancel";

    // What the platform is to do after an action: give a field the focus, close the window.
    std::optional<UnitField> focusRequest;
    bool closeRequested = false;

    // The control being edited, how its scale hears of Redraw, and how the drawing of a
    // Draw preview is stopped when the dialog is left while it runs.
    ucTesmo* TargetControl = nullptr;
    std::function<void(bool)> onRedraw;
    std::function<void()> onStopPreview;
    // Set by the window: shows the state at once, before the scale is drawn (OK closes the
    // window first, Draw greys itself).
    std::function<void()> onShow;

    FieldEditor& field(UnitField f) { return fields[static_cast<std::size_t>(f)]; }
    bool Redraw() const { return redraw_; }
    // The caption of the grid swatch: "grid" with the grid on, else "axes".
    std::string GridCaption() const { return Grid ? "grid" : "axes"; }

    // Fills the dialog from TargetControl for a new opening.
    void Load();
    // Writes the settings to the control; false (after telling the user) when a value is
    // refused, with what was written before staying written.
    bool ApplySettings(Prompts& prompts);
    void OK(Prompts& prompts);
    void Draw(Prompts& prompts);
    void CancelButton();
    // The window goes, closed by the user through its close box or from code.
    void Unload(bool byUser);

    void SwatchClick(Swatch swatch, CommonDialogs& dialogs);
    void GridClick(bool checked);
    void AxisClick(bool xAxis, bool checked, bool windowVisible, const Clock& clock);

    // Field events.
    void FocusIn(UnitField f);
    void FocusOut(UnitField f);
    FieldEditor::Typed KeyPress(UnitField f, char32_t key);
    bool KeyDown(UnitField f, FieldEditor::Arrow arrow);
    void MouseUp(UnitField f);
    void TextChanged(UnitField f);
    void Spin(UnitField f, int delta);

    // Light only when every component is 0 or above 128, and not black.
    static bool IsDarkColor(std::int32_t color);

private:
    void LoadSettings();
    void SetRedraw(bool value);
    void ShowNow();
    // The field is a bound edited as a date.
    bool InDateMode(UnitField f) const;

    // Leaving while a Draw preview is drawn stops the preview and leaves as Cancel does.
    void LeaveDuringPreview();

    bool redraw_ = false;
    bool previewing_ = false;
};

// The one settings dialog of the user-interface thread.
frmUnit& UnitDialog();

}  // namespace tesmo
