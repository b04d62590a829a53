// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/VPlatformFactory.h"

#include "platform/VLogPlatform.h"
#include "platform/wayland/VPlatformBackendWayland.h"
#include "platform/x11/VPlatformBackendX11.h"

#include <QGuiApplication>

namespace VPlatform {

std::unique_ptr<VPlatformBackend> createNativeBackend(const std::string& toolkitPlatform)
{
    if (toolkitPlatform == "wayland")
        return std::make_unique<VPlatformBackendWayland>();
    if (toolkitPlatform != "xcb")
        return nullptr;
    const auto* pX11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!pX11 || !pX11->connection()) {
        qCInfo(lcPlatform, "Platform layer: the toolkit runs on X11 but shares no connection");
        return nullptr;
    }
    return std::make_unique<VPlatformBackendX11>(pX11->connection());
}

} // namespace VPlatform
