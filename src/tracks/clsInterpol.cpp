#include "tracks/clsInterpol.h"

#include <cmath>

#include "core/ControlState.h"
#include "support/Conversions.h"
#include "surface/UiLoop.h"
#include "tesmo/Error.h"

namespace tesmo {

double clsInterpol::Correlazione() const {
    return std::fabs(slope_) * std::sqrt(sxx_ / syy_);
}

bool clsInterpol::Interpolazione(std::span<const double> X, std::span<const double> Y) {
    try {
        if (X.size() > INT16_MAX) ThrowOverflow();
        const auto n = static_cast<double>(X.size());
        if (Y.size() != X.size()) {
            error_ = "Coordinate number is wrong.";
            return false;
        }
        if (n == 0) throw Error(11, "Division by zero");
        double sx = 0, sy = 0, sxy = 0;
        for (std::size_t i = 0; i < X.size(); ++i) {
            sx += X[i];
            sy += Y[i];
            sxy += X[i] * Y[i];
            ui_.Yield();
            if (owner_.FlagExit) break;
        }
        const double mx = sx / n;
        const double my = sy / n;
        double sxx = 0, syy = 0;
        for (std::size_t i = 0; i < X.size(); ++i) {
            sxx += (X[i] - mx) * (X[i] - mx);
            syy += (Y[i] - my) * (Y[i] - my);
            ui_.Yield();
            if (owner_.FlagExit) break;
        }
        if (sxx == 0) sxx = 1;
        if (syy == 0) syy = 1;
        const double b = (sxy - n * mx * my) / sxx;
        slope_ = b;
        intercept_ = my - b * mx;
        sxx_ = sxx;
        syy_ = syy;
        return true;
    } catch (const Error& e) {
        error_ = e.description();
        return false;
    }
}

}  // namespace tesmo
