// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>
#include <string>

namespace VPlatform {

// Whether a desktop can be reached, asked before the GUI starts, because the toolkit aborts
// the process when it finds no display. The probe stays connected until release(): an X server
// resets when its last client leaves, and a toolkit connecting during the reset aborts.
class VDisplayProbe
{
public:
    VDisplayProbe();
    // Why no desktop can be reached (for a one-line message), or empty when one can.
    const std::string& problem() const { return m_problem; }
    // Once the toolkit holds its own connection.
    void release() { m_connection.reset(); }

private:
    std::shared_ptr<void> m_connection; // first: the probe fills it
    std::string m_problem;
};

} // namespace VPlatform
