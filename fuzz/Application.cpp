#include <QApplication>
#include <cstdlib>

#include "FuzzTarget.h"

namespace tesmo::fuzz {

void NeedApplication() {
    if (QApplication::instance()) return;
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "tesmo_fuzz";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
}

}  // namespace tesmo::fuzz
