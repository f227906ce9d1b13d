// The settings dialog's field-editing model driven by key, arrow, selection, mouse and
// spinner sequences, in number mode and in date mode, for a bound field and a unit field.
#include <cstdlib>

#include "settings/FieldEditor.h"
#include "targets/Locales.h"

TESMO_FUZZ_TARGET(FieldEditing) {
    using namespace tesmo;
    fuzz::Bytes in(data, size);
    fuzz::PickLocale(in);
    FieldEditor field(in.Pick(2) == 0);
    const bool date = in.Pick(2) == 0;
    const std::string format = Shared().LongDateFormat;
    const std::string mask = format.starts_with("yyyy") ? "____/__/__" : "__/__/____";
    field.text = in.Text(24);
    if (date) {
        field.maxLength = static_cast<int>(mask.size());
        field.DateFocusIn();
    } else {
        field.PrepareNumberForEdit();
    }
    static const char32_t keys[] = {U'0', U'5', U'9', U'.', U',', U'-', U'+', U'e', U'E', U'/', U' ',
                                    U'\b', U'a', U'\u00E9', U'\u202F', U'\u20AC', U'\0', U'\x7F'};
    while (!in.empty()) {
        switch (in.Pick(8)) {
            case 0: {
                const char32_t key = in.Pick(4) == 0 ? static_cast<char32_t>(in.Word() % 0x110000)
                                                    : keys[in.Pick(std::size(keys))];
                date ? field.DateKeyPress(key, mask) : field.NumberKeyPress(key);
                break;
            }
            case 1:
                if (date) field.DateKeyDown(in.Pick(2) ? FieldEditor::Arrow::Left : FieldEditor::Arrow::Right);
                break;
            case 2: {
                // A selection the widget reports: within its text.
                const auto length = static_cast<unsigned>(field.text.size());
                field.start = static_cast<int>(in.Byte() % (length + 1));
                field.length = static_cast<int>(in.Byte() % (length - static_cast<unsigned>(field.start) + 1));
                break;
            }
            case 3: date ? field.SelectDateCharacter() : field.SelectAll(); break;
            case 4: {
                const int delta = static_cast<int>(in.Byte()) - 128;
                date ? field.StepDate(delta, format) : field.StepNumber(delta);
                break;
            }
            case 5:
                field.text = in.Text(24);
                field.start = field.length = 0;
                [[fallthrough]];
            case 6: date ? field.DateTextChanged(mask) : field.FormatNumberField(); break;
            default: field.Value(); break;
        }
        // Whatever was typed, the selection the widget is given back lies within the text.
        if (field.start < 0 || field.length < 0 || field.start + field.length > static_cast<int>(field.text.size()))
            std::abort();
    }
    field.Value();
    return 0;
}
