// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>
#include <string>

class VPlatformBackend;

namespace VPlatform {

// The process's backend, chosen on first use from the toolkit's platform (so only once the GUI
// application object exists) and kept until the process ends.
VPlatformBackend& backend();

// Provided by the backend folder the build picks: a backend for the toolkit platform of that
// name, or nullptr when it has none (the null backend is used then).
std::unique_ptr<VPlatformBackend> createNativeBackend(const std::string& toolkitPlatform);

} // namespace VPlatform
