#include "platform/VPlatformDisplay.h"

namespace VPlatform {

std::string displayProblem()
{
    // The toolkit's own backend on this platform needs no probe.
    return {};
}

} // namespace VPlatform
