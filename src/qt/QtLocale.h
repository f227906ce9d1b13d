#pragma once

#include <QLocale>

#include "surface/Locale.h"

namespace tesmo {

// The user's locale as Qt reports it.
class QtLocale : public Locale {
public:
    std::string ShortDateText(double dayNumber) const override;
    std::string DecimalSeparator() const override;
    std::string GroupSeparator() const override;

private:
    QLocale locale_ = QLocale::system();
};

}  // namespace tesmo
