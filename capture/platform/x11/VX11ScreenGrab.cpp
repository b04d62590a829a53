// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/x11/VX11ScreenGrab.h"

#include "platform/x11/VXcbReply.h"

#include <xcb/shm.h>

#include <sys/ipc.h>
#include <sys/mman.h>
#include <sys/shm.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>

namespace {

// Asked for per strip by the plain grab.
constexpr std::size_t kPlainStripBytes = std::size_t(1) << 20;

// Anonymous memory in huge pages where the system offers them: a fresh full-screen picture then
// costs a few page faults instead of one per 4 KiB, which on a virtual machine is most of the
// time a grab takes. Null when no memory is to be had.
std::shared_ptr<void> hugePageBuffer(std::size_t bytes)
{
    void* const pAddress =
        mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (pAddress == MAP_FAILED)
        return nullptr;
    madvise(pAddress, bytes, MADV_HUGEPAGE);
    return std::shared_ptr<void>(pAddress, [bytes](void* p) { munmap(p, bytes); });
}

using Format = VPlatformImage::Format;

bool hostIsLsbFirst()
{
    const std::uint16_t one = 1;
    unsigned char first = 0;
    std::memcpy(&first, &one, 1);
    return first == 1;
}

const xcb_visualtype_t* visualOf(const xcb_screen_t& screen)
{
    for (xcb_depth_iterator_t depths = xcb_screen_allowed_depths_iterator(&screen); depths.rem;
         xcb_depth_next(&depths)) {
        for (xcb_visualtype_iterator_t visuals = xcb_depth_visuals_iterator(depths.data);
             visuals.rem; xcb_visualtype_next(&visuals)) {
            if (visuals.data->visual_id == screen.root_visual)
                return visuals.data;
        }
    }
    return nullptr;
}

// The picture format for a true-colour root visual whose pixels the toolkit reads as they are
// (once in the host's byte order); None for any other.
Format formatOf(const xcb_visualtype_t& visual, std::uint8_t depth, int bitsPerPixel)
{
    if (visual._class != XCB_VISUAL_CLASS_TRUE_COLOR &&
        visual._class != XCB_VISUAL_CLASS_DIRECT_COLOR)
        return Format::None;
    const auto masks = [&visual](std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
        return visual.red_mask == red && visual.green_mask == green && visual.blue_mask == blue;
    };
    if (bitsPerPixel == 32 && (depth == 24 || depth == 32) && masks(0xff0000, 0xff00, 0xff))
        return Format::Rgb32;
    if (bitsPerPixel == 16 && depth == 16 && masks(0xf800, 0x7e0, 0x1f))
        return Format::Rgb16;
    if (bitsPerPixel == 16 && depth == 15 && masks(0x7c00, 0x3e0, 0x1f))
        return Format::Rgb555;
    return Format::None;
}

std::string errorText(const char* what, const xcb_generic_error_t* pError)
{
    return std::string(what) + " (X error " + std::to_string(pError ? pError->error_code : 0) + ")";
}

} // namespace

// The segment kept for the next grab, attached on both sides. Shared with the pictures, which
// may let go of theirs on any thread and after the grabber (and its connection) is gone.
class VX11ScreenGrab::Spare
{
public:
    explicit Spare(xcb_connection_t* pConnection) : m_pConnection(pConnection) {}

    // The kept segment when it holds bytes, now the caller's.
    std::optional<Segment> take(std::size_t bytes)
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        std::optional<Segment> taken;
        if (m_segment && m_segment->bytes >= bytes)
            taken.swap(m_segment);
        return taken;
    }

    // A picture is done with its segment: kept when it is the larger, else let go.
    void giveBack(const Segment& segment)
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        Segment drop = segment;
        if (m_pConnection && (!m_segment || m_segment->bytes < segment.bytes)) {
            drop = m_segment.value_or(Segment());
            m_segment = segment;
        }
        releaseLocked(drop);
    }

    void releaseKept()
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (m_segment)
            releaseLocked(*m_segment);
        m_segment.reset();
    }

    void release(const Segment& segment)
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        releaseLocked(segment);
    }

    // The grabber is going: the kept segment with it, and later ones are only unmapped here
    // (the server lets go of them with the connection).
    void close()
    {
        releaseKept();
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (m_pConnection)
            xcb_flush(m_pConnection);
        m_pConnection = nullptr;
    }

private:
    void releaseLocked(const Segment& segment)
    {
        if (!segment.pAddress)
            return;
        if (m_pConnection) {
            xcb_shm_detach(m_pConnection, segment.seg);
            xcb_flush(m_pConnection);
        }
        shmdt(segment.pAddress);
    }

    std::mutex m_mutex;
    xcb_connection_t* m_pConnection;
    std::optional<Segment> m_segment;
};

VX11ScreenGrab::VX11ScreenGrab(xcb_connection_t* pConnection, const xcb_screen_t& screen,
                               bool bSharedMemory)
    : m_pConnection(pConnection)
    , m_root(screen.root)
    , m_depth(screen.root_depth)
    , m_pSpare(std::make_shared<Spare>(pConnection))
{
    const xcb_setup_t* pSetup = xcb_get_setup(m_pConnection);
    for (xcb_format_iterator_t formats = xcb_setup_pixmap_formats_iterator(pSetup); formats.rem;
         xcb_format_next(&formats)) {
        if (formats.data->depth == m_depth) {
            m_bitsPerPixel = formats.data->bits_per_pixel;
            m_scanlinePad = formats.data->scanline_pad;
        }
    }
    const xcb_visualtype_t* pVisual = visualOf(screen);
    if (pVisual && m_scanlinePad > 0)
        m_format = formatOf(*pVisual, m_depth, m_bitsPerPixel);
    m_bSwapBytes = (pSetup->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST) != hostIsLsbFirst();

    if (!bSharedMemory) {
        m_whyNotShared = "switched off";
        return;
    }
    const xcb_query_extension_reply_t* pShm = xcb_get_extension_data(m_pConnection, &xcb_shm_id);
    m_bShared = pShm && pShm->present;
    if (!m_bShared)
        m_whyNotShared = "the X server has no MIT-SHM extension";
}

VX11ScreenGrab::~VX11ScreenGrab()
{
    m_pSpare->close();
}

int VX11ScreenGrab::bytesPerLine(int width) const
{
    const long long bits = (long long)width * m_bitsPerPixel;
    return int((bits + m_scanlinePad - 1) / m_scanlinePad * m_scanlinePad / 8);
}

void VX11ScreenGrab::releaseSpare()
{
    m_pSpare->releaseKept();
}

VPlatformImage VX11ScreenGrab::grab(const VPlatformRect& area)
{
    // Requests carry 16-bit sizes and positions.
    if (m_format == Format::None || area.width <= 0 || area.height <= 0 || area.width > 0xffff ||
        area.height > 0xffff || area.x < -0x8000 || area.x > 0x7fff || area.y < -0x8000 ||
        area.y > 0x7fff)
        return {};
    VPlatformImage image;
    std::string why = m_whyNotShared;
    if (m_bShared)
        image = grabShared(area, why);
    if (image.format == Format::None)
        image = grabPlain(area);
    if (image.format == Format::None)
        return {};
    image.whyNotShared = why;
    toHostPixels(image);
    return image;
}

VPlatformImage VX11ScreenGrab::grabShared(const VPlatformRect& area, std::string& why)
{
    const int stride = bytesPerLine(area.width);
    const std::size_t bytes = std::size_t(stride) * std::size_t(area.height);
    std::optional<Segment> segment = m_pSpare->take(bytes);
    const bool bFresh = !segment;
    int id = -1;
    if (bFresh) {
        id = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
        if (id < 0) {
            // Beyond the system's segment limits: this size goes the plain way, smaller not.
            why =
                "no shared segment of " + std::to_string(bytes) + " bytes: " + std::strerror(errno);
            return {};
        }
        void* const pAddress = shmat(id, nullptr, 0);
        if (pAddress == reinterpret_cast<void*>(-1)) {
            why = std::string("shared segment not attached: ") + std::strerror(errno);
            shmctl(id, IPC_RMID, nullptr);
            return {};
        }
        // Its pages made at once rather than one fault at a time (an older kernel ignores it).
        madvise(pAddress, bytes, MADV_POPULATE_WRITE);
        segment = Segment{xcb_generate_id(m_pConnection), pAddress, bytes};
    }
    const xcb_void_cookie_t attached =
        bFresh ? xcb_shm_attach_checked(m_pConnection, segment->seg, id, 0) : xcb_void_cookie_t{};
    const xcb_shm_get_image_cookie_t cookie =
        xcb_shm_get_image(m_pConnection, m_root, std::int16_t(area.x), std::int16_t(area.y),
                          std::uint16_t(area.width), std::uint16_t(area.height), ~0u,
                          XCB_IMAGE_FORMAT_Z_PIXMAP, segment->seg, 0);
    VXcbReply<xcb_generic_error_t> attachError;
    if (bFresh) {
        // Answered together with the image, so this costs no round trip of its own.
        attachError.reset(xcb_request_check(m_pConnection, attached));
        // Gone once the server and this process have let go of it, however the process ends.
        shmctl(id, IPC_RMID, nullptr);
    }
    xcb_generic_error_t* pError = nullptr;
    const VXcbReply<xcb_shm_get_image_reply_t> reply(
        xcb_shm_get_image_reply(m_pConnection, cookie, &pError));
    const VXcbReply<xcb_generic_error_t> error(pError);
    if (attachError) {
        // A server on another machine or behind another IPC namespace: it never will.
        shmdt(segment->pAddress);
        m_bShared = false;
        m_whyNotShared =
            errorText("the X server cannot attach our shared memory", attachError.get());
        why = m_whyNotShared;
        return {};
    }
    if (!reply || reply->depth != m_depth || reply->size < bytes) {
        m_pSpare->release(*segment);
        why = errorText("shared memory grab refused", error.get());
        return {};
    }
    return picture(
        area, stride, static_cast<std::uint8_t*>(segment->pAddress),
        std::shared_ptr<void>(segment->pAddress, [pSpare = m_pSpare, kept = *segment](void*) {
            pSpare->giveBack(kept);
        }));
}

VPlatformImage VX11ScreenGrab::grabPlain(const VPlatformRect& area)
{
    const int stride = bytesPerLine(area.width);
    const std::size_t bytes = std::size_t(stride) * std::size_t(area.height);
    std::shared_ptr<void> pBuffer = hugePageBuffer(bytes);
    if (!pBuffer)
        return {};
    auto* const pPixels = static_cast<std::uint8_t*>(pBuffer.get());
    // Strips of about a megabyte, all asked for at once: each reply lands in memory the last
    // one freed, where a single reply of the whole screen would be fresh memory to fault in.
    const int stripRows = std::max(1, int(kPlainStripBytes / std::size_t(stride)));
    std::vector<xcb_get_image_cookie_t> cookies;
    for (int y = 0; y < area.height; y += stripRows)
        cookies.push_back(xcb_get_image(m_pConnection, XCB_IMAGE_FORMAT_Z_PIXMAP, m_root,
                                        std::int16_t(area.x), std::int16_t(area.y + y),
                                        std::uint16_t(area.width),
                                        std::uint16_t(std::min(stripRows, area.height - y)), ~0u));
    bool bComplete = true;
    for (std::size_t i = 0; i < cookies.size(); ++i) {
        xcb_generic_error_t* pError = nullptr;
        const VXcbReply<xcb_get_image_reply_t> reply(
            xcb_get_image_reply(m_pConnection, cookies[i], &pError));
        std::free(pError);
        const std::size_t offset = i * std::size_t(stripRows) * std::size_t(stride);
        const std::size_t length = std::min(bytes - offset, std::size_t(stripRows) * stride);
        // Every reply is taken, even after a failure, or it would wait in the connection.
        if (!bComplete || !reply || reply->depth != m_depth ||
            std::size_t(xcb_get_image_data_length(reply.get())) < length) {
            bComplete = false;
            continue;
        }
        std::memcpy(pPixels + offset, xcb_get_image_data(reply.get()), length);
    }
    if (!bComplete)
        return {};
    return picture(area, stride, pPixels, std::move(pBuffer));
}

VPlatformImage VX11ScreenGrab::picture(const VPlatformRect& area, int stride, std::uint8_t* pPixels,
                                       std::shared_ptr<void> owner) const
{
    VPlatformImage image;
    image.format = m_format;
    image.width = area.width;
    image.height = area.height;
    image.bytesPerLine = stride;
    image.pixels = pPixels;
    image.owner = std::move(owner);
    return image;
}

void VX11ScreenGrab::toHostPixels(VPlatformImage& image) const
{
    // Separate loops for each case, so that the compiler can vectorise each one.
    const auto eachLine = [&image](auto fix) {
        for (int y = 0; y < image.height; ++y)
            fix(image.pixels + std::size_t(y) * std::size_t(image.bytesPerLine), image.width);
    };
    if (image.format == Format::Rgb32) {
        // The byte above 24 bits is undefined in X; the toolkit's RGB32 wants it opaque.
        if (m_bSwapBytes) {
            eachLine([](std::uint8_t* pLine, int width) {
                auto* const pPixels = reinterpret_cast<std::uint32_t*>(pLine);
                for (int x = 0; x < width; ++x)
                    pPixels[x] = __builtin_bswap32(pPixels[x]) | 0xff000000u;
            });
        } else {
            eachLine([](std::uint8_t* pLine, int width) {
                auto* const pPixels = reinterpret_cast<std::uint32_t*>(pLine);
                for (int x = 0; x < width; ++x)
                    pPixels[x] |= 0xff000000u;
            });
        }
        return;
    }
    const std::uint16_t keep = image.format == Format::Rgb555 ? 0x7fff : 0xffff;
    if (m_bSwapBytes) {
        eachLine([keep](std::uint8_t* pLine, int width) {
            auto* const pPixels = reinterpret_cast<std::uint16_t*>(pLine);
            for (int x = 0; x < width; ++x)
                pPixels[x] = std::uint16_t(__builtin_bswap16(pPixels[x]) & keep);
        });
    } else if (keep != 0xffff) {
        eachLine([keep](std::uint8_t* pLine, int width) {
            auto* const pPixels = reinterpret_cast<std::uint16_t*>(pLine);
            for (int x = 0; x < width; ++x)
                pPixels[x] &= keep;
        });
    }
}
