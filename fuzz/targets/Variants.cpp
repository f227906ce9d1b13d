// Variant conversions: every kind of value made from the input, read as a number, written
// as a text, compared, and narrowed the checked way the control's arithmetic does.
#include <cmath>
#include <cstdlib>

#include "support/Conversions.h"
#include "targets/Locales.h"
#include "tesmo/Error.h"
#include "tesmo/Variant.h"

namespace {

tesmo::Variant Make(tesmo::fuzz::Bytes& in) {
    using tesmo::Variant;
    switch (in.Pick(7)) {
        case 0: return Variant();
        case 1: return Variant(in.Byte() % 2 == 1);
        case 2: return Variant(static_cast<std::int16_t>(in.Word()));
        case 3: return Variant(static_cast<std::int32_t>(in.Word()));
        case 4: return Variant(static_cast<float>(in.Double()));
        case 5: return Variant::fromDate(in.Double());
        default: return Variant(in.Text(64));
    }
}

}  // namespace

TESMO_FUZZ_TARGET(Variants) {
    using namespace tesmo;
    fuzz::Bytes in(data, size);
    fuzz::PickLocale(in);
    while (!in.empty()) {
        const Variant a = Make(in);
        const Variant b = Make(in);
        (void)(a == b);
        const std::string text = a.toString();
        try {
            const double number = a.toDouble();
            // A number written as the control writes it reads back as a number.
            if (a.type() != VarType::String && std::isfinite(number) && !ReadNumberText(Variant(number).toString()))
                std::abort();
            ToSingle(number);
            ToInt16(number);
            ToInt32(RoundHalfEven(number));
        } catch (const Error& e) {
            if (e.number() == 0) std::abort();
        }
    }
    return 0;
}
