#pragma once

#include <exception>

namespace tesmo {

// Runs one step of a sequence that must go on whatever the step does.
template <typename Step>
void Independent(Step&& step) {
    try {
        step();
    } catch (const std::exception&) {
    }
}

}  // namespace tesmo
