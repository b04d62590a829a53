#include "platform/VPlatformFactory.h"

#include "platform/VPlatformBackend.h"

namespace VPlatform {

std::unique_ptr<VPlatformBackend> createNativeBackend(const std::string&)
{
    return nullptr;
}

} // namespace VPlatform
