#pragma once

#include <windows.h>

#include <memory>
#include <string>
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

// The interface speaks UTF-8; the system hands out UTF-16.
inline std::string utf8FromWide(const wchar_t* pText, int length)
{
    if (!pText || length <= 0)
        return {};
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, pText, length, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0)
        return {};
    std::string text(std::size_t(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, pText, length, text.data(), bytes, nullptr, nullptr);
    return text;
}
