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
            // A number written as the control writes it (15 significant digits) reads back as
            // a number; only one whose text rounds past the largest double reads as Overflow.
            if (a.type() != VarType::String && std::isfinite(number)) {
                try {
                    Variant(Variant(number).toString()).toDouble();
                } catch (const Error& e) {
                    if (e.number() != errors::Overflow || std::fabs(number) < 1.797693134862315e308) std::abort();
                }
            }
            ToSingle(number);
            ToInt16(number);
            ToInt32(RoundHalfEven(number));
        } catch (const Error& e) {
            if (e.number() == 0) std::abort();
        }
    }
    return 0;
}
