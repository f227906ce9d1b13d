#pragma once

#include <span>
#include <string>

namespace tesmo {

struct ControlState;
class UiLoop;

// Least-squares straight line through a set of points. The sums yield to the user
// interface after each element and stop early when the owner is asked to stop.
class clsInterpol {
public:
    clsInterpol(const ControlState& owner, UiLoop& ui) : owner_(owner), ui_(ui) {}

    double CoefficienteAngolare() const { return slope_; }
    double TermineNoto() const { return intercept_; }
    // The absolute value of the correlation coefficient.
    double Correlazione() const;
    const std::string& ControlError() const { return error_; }

    // Fits the line; false (with ControlError) when the arrays differ in length or the
    // arithmetic fails. For two points with distinct x it is the line through them.
    bool Interpolazione(std::span<const double> X, std::span<const double> Y);

private:
    const ControlState& owner_;
    UiLoop& ui_;
    double slope_ = 0;
    double intercept_ = 0;
    // Spreads of the last fit, from which the correlation is worked out when asked for.
    double sxx_ = 1;
    double syy_ = 1;
    std::string error_;
};

}  // namespace tesmo
