#include "settings/frmUnit.h"

#include <cmath>

#include "support/Conversions.h"
#include "support/DateText.h"
#include "support/DayNumber.h"
#include "support/NumberFormat.h"
#include "support/Pickers.h"
#include "support/SharedValues.h"
#include "surface/Clock.h"
#include "surface/Prompts.h"
#include "tesmo/Error.h"
#include "tesmo/ucTesmo.h"

namespace tesmo {
namespace {

constexpr std::size_t kMaskLength = 10;

struct SwatchRow {
    const char* title;
};
constexpr SwatchRow kSwatches[] = {
    {"Choose the grid color"}, {"Choose the background color"}, {"Choose the Chart color"}};

// The axis fields: min, max, unit.
struct AxisFields {
    UnitField min, max, unit;
};
constexpr AxisFields kX{UnitField::MinX, UnitField::MaxX, UnitField::UnitX};
constexpr AxisFields kY{UnitField::MinY, UnitField::MaxY, UnitField::UnitY};

// The field that takes the focus when a date is typed to its end.
std::optional<UnitField> NextAfterDate(UnitField f) {
    switch (f) {
        case UnitField::MinX: return UnitField::MaxX;
        case UnitField::MaxX: return UnitField::UnitX;
        case UnitField::MinY: return UnitField::MaxY;
        case UnitField::MaxY: return UnitField::UnitY;
        default: return std::nullopt;
    }
}

// A bound as the number field shows it: only values strictly between 0 and 1 keep decimals.
std::string BoundText(float value) {
    return FormatNumber(value, value >= 1 || value <= 0 ? "#,##0" : "0.##", Shared().Symbols());
}

// A text's day number: its date, else its leading number once a first "." is taken out.
double ToDayNumber(std::string text) {
    if (const auto day = ReadDateText(text)) return *day;
    if (const auto dot = text.find('.'); dot != std::string::npos) text.erase(dot, 1);
    return LeadingNumber(text);
}

// A number bound the control's setter would pass over without a word (no number, or none
// a Single holds) is refused here, so that OK never stands for a value that was dropped.
void CheckBound(const std::string& text) {
    const auto number = ReadNumberChecked(text);
    if (!number) throw Error(errors::TypeMismatch, "Type mismatch");
    ToSingle(*number);
}

bool Blank(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}

// A whole number of the locale, as the unit setters take it.
std::int32_t UnitValue(const std::string& text) {
    const auto number = ReadNumberText(text);
    if (!number) throw Error(errors::TypeMismatch, "Type mismatch");
    return ToInt32(*number);
}

// Holds the shared Resizing guard while the dialog fills itself.
class Filling {
public:
    Filling() { Shared().Resizing = true; }
    ~Filling() { Shared().Resizing = false; }
    Filling(const Filling&) = delete;
    Filling& operator=(const Filling&) = delete;
};

}  // namespace

bool frmUnit::IsDarkColor(std::int32_t color) {
    const std::int32_t r = color & 0xFF, g = color & 0xFF00, b = color & 0xFF0000;
    const bool light = (r == 0 || r > 0x80) && (g == 0 || g > 0x8000) && (b == 0 || b > 0x800000);
    return !light || color == 0;
}

bool frmUnit::InDateMode(UnitField f) const {
    switch (f) {
        case UnitField::MinX:
        case UnitField::MaxX: return DateX;
        case UnitField::MinY:
        case UnitField::MaxY: return DateY;
        default: return false;
    }
}

void frmUnit::SetRedraw(bool value) {
    redraw_ = value;
    if (onRedraw) onRedraw(value);
}

void frmUnit::Load() {
    const SharedValues& shared = Shared();
    DateFormat = shared.LongDateFormat;
    DateMask = OrderOfPattern(DateFormat) == DateOrder::YearFirst ? "____/__/__" : "__/__/____";
    Caption = "Coordinate System settings";
    XIsDate = TargetControl->XAsDate();
    YIsDate = TargetControl->YAsDate();
    CancelCaption = "Cancel";
    focusRequest.reset();
    closeRequested = false;
    LoadSettings();
    Cancel = false;
    SetRedraw(false);
    Showing = true;
}

void frmUnit::LoadSettings() {
    const Filling filling;
    ucTesmo& c = *TargetControl;
    const auto axis = [&](const AxisFields& a, bool& isDate, bool& check, const Variant& min, const Variant& max) {
        FieldEditor& minField = field(a.min);
        FieldEditor& maxField = field(a.max);
        minField.maxLength = maxField.maxLength = 0;
        check = false;
        if (isDate) {
            minField.text = FormatDate(min.toDouble(), DateFormat);
            maxField.text = FormatDate(max.toDouble(), DateFormat);
            if (!minField.text.empty() && !maxField.text.empty()) {
                check = true;
                return;
            }
            isDate = false;
        }
        minField.text = BoundText(static_cast<float>(min.toDouble()));
        maxField.text = BoundText(static_cast<float>(max.toDouble()));
    };
    axis(kX, XIsDate, DateX, c.MinX(), c.MaxX());
    axis(kY, YIsDate, DateY, c.MinY(), c.MaxY());
    field(UnitField::UnitX).text = std::to_string(c.UnitX());
    field(UnitField::UnitY).text = std::to_string(c.UnitY());
    for (FieldEditor& f : fields) f.start = f.length = 0;
    Grid = c.ViewGrid();
    swatches = {c.GridColor(), c.BackColor(), c.ForeColor()};
}

bool frmUnit::ApplySettings(Prompts& prompts) {
    if (!TargetControl) return false;
    XIsDate = DateX;
    YIsDate = DateY;
    for (const UnitField f : {UnitField::MinX, UnitField::MaxX, UnitField::MinY, UnitField::MaxY}) {
        if (!InDateMode(f) || ReadDateText(field(f).text)) continue;
        prompts.MsgBox("Invalid Date.", msgbox::Exclamation, "");
        if (field(f).text.find('/') == std::string::npos) {
            field(f).text.clear();
            TextChanged(f);
        }
        focusRequest = f;
        return false;
    }
    ucTesmo& c = *TargetControl;
    std::optional<UnitField> applying;
    try {
        for (const auto& [f, set] : {std::pair{UnitField::MinX, &ucTesmo::setMinX}, std::pair{UnitField::MaxX, &ucTesmo::setMaxX},
                                     std::pair{UnitField::MinY, &ucTesmo::setMinY}, std::pair{UnitField::MaxY, &ucTesmo::setMaxY}}) {
            applying = f;
            // A bound left empty (as switching from dates can leave it) changes nothing.
            if (!InDateMode(f) && Blank(field(f).text)) continue;
            if (!InDateMode(f)) CheckBound(field(f).text);
            (c.*set)(field(f).text);
        }
        for (const auto& [f, set] : {std::pair{UnitField::UnitX, &ucTesmo::setUnitX}, std::pair{UnitField::UnitY, &ucTesmo::setUnitY}}) {
            applying = f;
            if (!(LeadingNumber(field(f).text) > 0)) field(f).text = "1";
            (c.*set)(UnitValue(field(f).text));
        }
        applying.reset();
        c.setViewGrid(Grid);
        c.setGridColor(swatches[0]);
        c.setBackColor(swatches[1]);
        c.setForeColor(swatches[2]);
        c.setXAsDate(XIsDate);
        c.setYAsDate(YIsDate);
        return true;
    } catch (const Error& e) {
        prompts.MsgBox(e.description(), msgbox::Critical, "");
        focusRequest = applying;
        return false;
    }
}

void frmUnit::ShowNow() {
    // A copy: the window may let go of the hook while it runs.
    if (const auto show = onShow) show();
}

void frmUnit::OK(Prompts& prompts) {
    if (previewing_) {
        LeaveDuringPreview();
        return;
    }
    if (!ApplySettings(prompts)) return;
    SetRedraw(false);
    const bool draw = DrawEnabled;
    ucTesmo& c = *TargetControl;
    Unload(false);
    ShowNow();
    if (draw && !c.SetScaleUnit() && c.ControlError().empty())
        prompts.MsgBox("Invalid coordinate values", msgbox::Critical, "");
}

void frmUnit::Draw(Prompts& prompts) {
    DrawEnabled = false;
    ShowNow();
    if (ApplySettings(prompts)) {
        SetRedraw(true);
        CancelCaption = "Close";
        ShowNow();
        ucTesmo& c = *TargetControl;
        previewing_ = true;
        const bool drawn = c.SetScaleUnit();
        previewing_ = false;
        // Left meanwhile: the preview was stopped, and there is nothing more to say.
        if (!Showing) return;
        if (!drawn && c.ControlError().empty()) prompts.MsgBox("Invalid coordinate values", msgbox::Critical, "");
    }
    DrawEnabled = true;
}

void frmUnit::CancelButton() {
    Cancel = true;
    Unload(false);
}

void frmUnit::Unload(bool byUser) {
    if (byUser) Cancel = true;
    if (previewing_) LeaveDuringPreview();
    SetRedraw(false);
    Showing = false;
    closeRequested = true;
}

void frmUnit::LeaveDuringPreview() {
    previewing_ = false;
    Cancel = true;
    if (const auto stop = onStopPreview) stop();
    Unload(false);
}

void frmUnit::SwatchClick(Swatch swatch, CommonDialogs& dialogs) {
    const auto index = static_cast<std::size_t>(swatch);
    ucTesmo& c = *TargetControl;
    const std::int32_t current[] = {c.GridColor(), c.BackColor(), c.ForeColor()};
    const std::int32_t chosen = ShowColorDialog(dialogs, current[index], kSwatches[index].title);
    if (chosen == -1 || TargetControl != &c) return;
    swatches[index] = chosen;
    // At once, whatever happens to the dialog afterwards.
    switch (swatch) {
        case Swatch::Grid: c.setGridColor(chosen); break;
        case Swatch::Back: c.setBackColor(chosen); break;
        case Swatch::Chart: c.setForeColor(chosen); break;
    }
}

void frmUnit::GridClick(bool checked) {
    Grid = checked;
}

void frmUnit::AxisClick(bool xAxis, bool checked, bool windowVisible, const Clock& clock) {
    if (Shared().Resizing) return;
    const AxisFields& a = xAxis ? kX : kY;
    (xAxis ? DateX : DateY) = checked;
    FieldEditor& min = field(a.min);
    FieldEditor& max = field(a.max);
    const double vMin = ToDayNumber(min.text), vMax = ToDayNumber(max.text);
    if (checked) {
        (xAxis ? SavedMaxX : SavedMaxY) = max.text;
        min.maxLength = max.maxLength = static_cast<int>(kMaskLength);
        // A number beyond the calendar leaves the mask.
        const auto dateOrMask = [&](double day) {
            std::string date = day >= 2 ? FormatDate(day, DateFormat) : std::string();
            return date.empty() ? DateMask : date;
        };
        min.text = dateOrMask(vMin);
        const double now = clock.Now();
        max.text = dateOrMask(vMax < 2 || vMax > now ? vMax : DayNumberFromCivil(CivilFromDayNumber(now).year, 12, 31));
    } else {
        min.maxLength = max.maxLength = 0;
        min.text.clear();
        if (vMin > 0) min.text = FormatGeneral(vMin, 15, Shared().DecimalSeparator);
        if (ReadDateText(max.text)) {
            max.text = xAxis ? SavedMaxX : SavedMaxY;
        } else {
            max.text.clear();
            if (vMax > 0) max.text = FormatGeneral(vMax, 15, Shared().DecimalSeparator);
        }
    }
    min.start = min.length = max.start = max.length = 0;
    if (windowVisible) focusRequest = a.min;
}

void frmUnit::FocusIn(UnitField f) {
    if (InDateMode(f))
        field(f).DateFocusIn();
    else
        field(f).PrepareNumberForEdit();
}

void frmUnit::FocusOut(UnitField f) {
    const bool xAxis = f == UnitField::MinX || f == UnitField::MaxX || f == UnitField::UnitX;
    if (Cancel || (xAxis ? DateX : DateY)) return;
    field(f).FormatNumberField();
}

FieldEditor::Typed frmUnit::KeyPress(UnitField f, char32_t key) {
    if (!InDateMode(f)) return field(f).NumberKeyPress(key);
    const FieldEditor::Typed typed = field(f).DateKeyPress(key, DateMask);
    if (typed == FieldEditor::Typed::Complete) focusRequest = NextAfterDate(f);
    return typed;
}

bool frmUnit::KeyDown(UnitField f, FieldEditor::Arrow arrow) {
    return InDateMode(f) && field(f).DateKeyDown(arrow);
}

void frmUnit::MouseUp(UnitField f) {
    if (InDateMode(f)) field(f).SelectDateCharacter();
}

void frmUnit::TextChanged(UnitField f) {
    if (InDateMode(f)) field(f).DateTextChanged(DateMask);
}

void frmUnit::Spin(UnitField f, int delta) {
    if (InDateMode(f))
        field(f).StepDate(delta, DateFormat);
    else
        field(f).StepNumber(delta);
}

frmUnit& UnitDialog() {
    thread_local frmUnit dialog;
    return dialog;
}

}  // namespace tesmo
