#include "platform/VPlatformDirect.h"

namespace VPlatform {

std::unique_ptr<VPlatformDirect> openDirectDesktop()
{
    return nullptr;
}

} // namespace VPlatform
