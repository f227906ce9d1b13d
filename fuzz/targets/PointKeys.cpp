// The chart's point keys: points added with few distinct coordinates (so that built keys
// collide and take their ",n" suffixes), with keys of their own, looked up and cleared. The
// keys and positions must stay consistent whatever the order.
#include <cstdlib>
#include <string>

#include "scale/clsPoints.h"
#include "targets/Locales.h"
#include "tesmo/Error.h"

TESMO_FUZZ_TARGET(PointKeys) {
    using namespace tesmo;
    fuzz::Bytes in(data, size);
    fuzz::PickLocale(in);
    clsPoints points;
    static const Variant coordinates[] = {Variant(0.0), Variant(1.5), Variant(-1.5f), Variant("2"),
                                          Variant("x"), Variant::fromDate(36250.5), Variant(std::int16_t{7})};
    std::int32_t added = 0;
    while (!in.empty()) {
        try {
            switch (in.Pick(5)) {
                case 0:
                case 1: {
                    const Variant& x = coordinates[in.Pick(std::size(coordinates))];
                    const Variant& y = coordinates[in.Pick(std::size(coordinates))];
                    points.Add(x, y, in.Pick(4) == 0 ? in.Text(8) : std::string{});
                    ++added;
                    break;
                }
                case 2: points.Item(Variant(static_cast<std::int32_t>(in.Pick(40)))); break;
                case 3: points.Item(Variant(in.Text(12))); break;
                default:
                    if (in.Pick(16) == 0) {
                        points.Clear();
                        added = 0;
                    }
            }
        } catch (const Error& e) {
            if (e.number() == 0) std::abort();
        }
        if (points.Count() != added) std::abort();
    }
    for (std::int32_t i = 0; i < points.Count(); ++i)
        if (points.Index(points.KeyAt(static_cast<std::size_t>(i))) != i + 1) std::abort();
    return 0;
}
