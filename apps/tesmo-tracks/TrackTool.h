#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tesmo::tool {

// Runs `tesmo-tracks` with its arguments (the program name left out), writing results to
// `out` and messages to `err`. Returns the exit status: 0 done, 1 failed, 2 bad usage.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tesmo::tool
