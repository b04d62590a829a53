#include "platform/VPlatformDisplay.h"

namespace VPlatform {

// The toolkit's own backend on this platform needs no probe.
VDisplayProbe::VDisplayProbe() = default;

} // namespace VPlatform
