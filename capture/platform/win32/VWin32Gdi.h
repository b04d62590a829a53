// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

// Bitmaps, regions and the like all go back to the system through DeleteObject.
struct VGdiObjectDeleter
{
    void operator()(void* pObject) const { DeleteObject(static_cast<HGDIOBJ>(pObject)); }
};

template <typename Handle>
using VGdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, VGdiObjectDeleter>;

// A memory device context, for reading bitmaps.
struct VMemoryDcDeleter
{
    void operator()(HDC dc) const { DeleteDC(dc); }
};

using VMemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, VMemoryDcDeleter>;
