#include "tracks/PointerInput.h"

#include <cmath>

#include "core/ControlState.h"
#include "menus/Menus.h"
#include "support/SharedValues.h"
#include "surface/Ports.h"
#include "tesmo/Error.h"
#include "tracks/TrackCreation.h"
#include "tracks/TrackStore.h"

namespace tesmo {
namespace {

constexpr std::int16_t kLeft = 1;
constexpr std::int16_t kRight = 2;

// A chart value as the pointer shows it: the whole day on a date axis, else "0.##".
Variant ValueText(double value, bool asDate) {
    const SharedValues& shared = Shared();
    if (asDate) {
        const std::string day = FormatDate(std::trunc(value), shared.LongDateFormat);
        if (day.empty()) throw Error(errors::Overflow, "Overflow");  // off the calendar
        return Variant(day);
    }
    return Variant(FormatNumber(value, "0.##", shared.Symbols()));
}

}  // namespace

void PointerInput::SetMouseValues(float x, float y) {
    // The mapping as last computed: the values match the scale on screen.
    s_.MouseValueX = ValueText(s_.Mapping.toWorldX(x), s_.XAsDate);
    s_.MouseValueY = ValueText(s_.Mapping.toWorldY(y), s_.YAsDate);
}

void PointerInput::MouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
    try {
        if (button == kLeft && shift == 0 && s_.MapStyle == 1) SetMouseValues(x, y);
        if (button == kLeft && shift == 0 && s_.ByStep) creation_.StartStroke(x, y);
    } catch (const Error& e) {
        s_.ControlError = e.description();
        return;
    }
    ports_.events.MouseDown(button, shift, x, y);
}

void PointerInput::MouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
    try {
        if (button == kLeft && shift == 0 && s_.ByStep) {
            if (!creation_.DragTo(x, y)) return;
        } else if (s_.MouseScan && s_.MapStyle == 1) {
            SetMouseValues(x, y);
        }
    } catch (const Error& e) {
        s_.ControlError = e.description();
        return;
    }
    ports_.events.MouseMove(button, shift, x, y);
}

void PointerInput::MouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
    try {
        if (button == kRight && shift == 0) {
            if (s_.EnableMenu) {
                store_.RetryFailed();
                menus_.ShowPopup(x, y);
            }
        } else if (button == kLeft && shift == 0) {
            if (s_.MapStyle != 0)
                SetMouseValues(x, y);
            else if (!creation_.PlacePoint(x, y))
                return;
        }
    } catch (const Error& e) {
        ports_.prompts.MsgBox(e.number() == kEngineFailure ? "The Tesmo Table doesn't have the right fields."
                                                           : e.description(),
                              msgbox::Critical, "");
        return;
    }
    ports_.events.MouseUp(button, shift, x, y);
}

}  // namespace tesmo
