#pragma once

#include <string>

namespace VPlatform {

// Why no desktop can be reached (for a one-line message), or empty when one can. Asked before
// the GUI starts, because the toolkit aborts the process when it finds no display.
std::string displayProblem();

} // namespace VPlatform
