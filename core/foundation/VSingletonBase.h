// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TalvikCoreExport.h"

// Lets the repository hold and delete singletons of any type through one pointer type.
class TALVIKCORE_EXPORT VSingletonBase
{
public:
    virtual ~VSingletonBase() = default;

protected:
    VSingletonBase() = default;
    VSingletonBase(const VSingletonBase&) = delete;
    VSingletonBase& operator=(const VSingletonBase&) = delete;

    // Hands a new singleton to the repository; kept out of line so that the template below
    // does not need the repository's definition.
    static void registerSingleton(VSingletonBase* pSingleton);
};
