// tesmo-tracks: creates, lists, exports and imports track databases.
#include <iostream>

#include "TrackTool.h"

int main(int argc, char** argv) {
    return tesmo::tool::Run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
