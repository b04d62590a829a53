// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "foundation/VConfig.h"

#include <QSettings>

#include <memory>

namespace TalvikTest {

// The core library's settings object over an INI file of the test's own.
class IniConfig : public VConfig
{
public:
    explicit IniConfig(const QString& path)
        : VConfig(std::make_unique<QSettings>(path, QSettings::IniFormat))
    {
    }
    ~IniConfig() override = default;
};

} // namespace TalvikTest
