// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "VGraphicsItem.h"
#include "VGraphicsItemChangeNotifier.h"

#include <type_traits>
#include <typeinfo>

// VGraphicsItem::copyItem, the body of every item class's copy(); include it where a copy() is
// defined.

template <class Base, class Self, class... Parts>
bool VGraphicsItem::copyItem(Self* self, const VGraphicsItem* other, Parts... parts)
{
    static_assert(std::is_base_of_v<Base, Self> && !std::is_same_v<Base, Self>,
                  "Base is the class whose copy() Self's builds on");
    // A refused copy must not look like an edit to the layer.
    if (!other || typeid(*other) != typeid(*self))
        return false;
    VGraphicsItemChangeNotifier notifier(self);
    if (!self->Base::copy(other))
        return false;
    const auto& source = static_cast<const Self&>(*other);
    const auto copyPart = [self, &source](auto part) {
        if constexpr (std::is_member_object_pointer_v<decltype(part)>)
            self->*part = source.*part;
        else
            part();
    };
    (copyPart(parts), ...);
    return true;
}
