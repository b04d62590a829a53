// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdlib>
#include <memory>

// xcb hands out replies and errors allocated with malloc.
struct VXcbFree
{
    void operator()(void* p) const { std::free(p); }
};

template <typename T>
using VXcbReply = std::unique_ptr<T, VXcbFree>;
