#include "platform/VPlatformDisplay.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <string>

namespace VPlatform {

std::string displayProblem()
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform && std::string(platform).rfind("xcb", 0) != 0)
        return {}; // another backend was asked for: it reports its own problems
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display)
        return "no display: DISPLAY is not set";
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const int error = xcb_connection_has_error(connection);
    xcb_disconnect(connection);
    if (error)
        return std::string("cannot connect to X display \"") + display + "\"";
    return {};
}

} // namespace VPlatform
