// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/x11/VX11WindowTree.h"

#include "platform/x11/VXcbReply.h"

#include <xcb/shape.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <utility>

namespace {

// Window managers nest their client no deeper than this inside the frame, and decorate a frame
// with a few dozen windows at most; searching further would walk whole applications on a
// desktop without one.
constexpr int kClientSearchDepth = 3;
constexpr std::size_t kMaxFrameWindows = 256;
// Nesting beyond this is no visible interface any more, and the walk must end somewhere.
constexpr int kMaxChildDepth = 32;
// 1 KiB holds more than the 254 characters a title keeps, even in 4-byte UTF-8.
constexpr std::uint32_t kTextLongs = 256;

// The reply to cookie, or null when it was not asked or the request failed (the window is gone:
// then bGone is set). The error is collected here, so it never reaches the toolkit's event queue.
template <typename Reply, typename Cookie>
VXcbReply<Reply> take(xcb_connection_t* pConnection,
                      Reply* (*replyOf)(xcb_connection_t*, Cookie, xcb_generic_error_t**),
                      const std::optional<Cookie>& cookie, bool& bGone)
{
    if (!cookie)
        return nullptr;
    xcb_generic_error_t* pError = nullptr;
    VXcbReply<Reply> reply(replyOf(pConnection, *cookie, &pError));
    const VXcbReply<xcb_generic_error_t> error(pError);
    if (!reply)
        bGone = true;
    return reply;
}

template <typename Reply, typename Cookie>
VXcbReply<Reply> take(xcb_connection_t* pConnection,
                      Reply* (*replyOf)(xcb_connection_t*, Cookie, xcb_generic_error_t**),
                      Cookie cookie, bool& bGone)
{
    return take(pConnection, replyOf, std::optional<Cookie>(cookie), bGone);
}

bool isEmpty(const VPlatformRect& r)
{
    return r.width <= 0 || r.height <= 0;
}

VPlatformRect intersected(const VPlatformRect& a, const VPlatformRect& b)
{
    const int left = std::max(a.x, b.x);
    const int top = std::max(a.y, b.y);
    const int right = std::min(a.x + a.width, b.x + b.width);
    const int bottom = std::min(a.y + a.height, b.y + b.height);
    if (right <= left || bottom <= top)
        return {};
    return {left, top, right - left, bottom - top};
}

bool meets(const VPlatformRect& a, const VPlatformRect& b)
{
    return !isEmpty(intersected(a, b));
}

// Moves the rectangles of a shape by (dx, dy) and cuts them to a width x height window. False
// when nothing of the shape is left; a shape that is the whole window becomes empty (plain).
bool fitShape(std::vector<VPlatformRect>& shape, int dx, int dy, int width, int height)
{
    if (shape.empty())
        return true;
    const VPlatformRect bounds{0, 0, width, height};
    std::vector<VPlatformRect> fitted;
    fitted.reserve(shape.size());
    for (VPlatformRect r : shape) {
        r.x += dx;
        r.y += dy;
        r = intersected(r, bounds);
        if (!isEmpty(r))
            fitted.push_back(r);
    }
    if (fitted.empty())
        return false;
    if (fitted.size() == 1 && fitted.front().width == width && fitted.front().height == height)
        fitted.clear();
    shape = std::move(fitted);
    return true;
}

std::string latin1ToUtf8(const char* p, std::size_t length)
{
    std::string text;
    text.reserve(length);
    for (std::size_t i = 0; i < length; ++i) {
        const auto c = static_cast<unsigned char>(p[i]);
        if (c < 0x80) {
            text.push_back(char(c));
        } else {
            text.push_back(char(0xc0 | (c >> 6)));
            text.push_back(char(0x80 | (c & 0x3f)));
        }
    }
    return text;
}

// A text property up to its first NUL (some clients store the terminator). ICCCM text that is
// not UTF-8 is Latin-1, or compound text, whose ASCII part reads the same.
std::string textOf(const xcb_get_property_reply_t* pReply, xcb_atom_t utf8String)
{
    if (!pReply || pReply->type == XCB_ATOM_NONE || pReply->format != 8)
        return {};
    const auto* p = static_cast<const char*>(xcb_get_property_value(pReply));
    const auto length = std::size_t(std::max(0, xcb_get_property_value_length(pReply)));
    const auto* pEnd = static_cast<const char*>(std::memchr(p, 0, length));
    const std::size_t used = pEnd ? std::size_t(pEnd - p) : length;
    if (pReply->type == utf8String)
        return std::string(p, used);
    return latin1ToUtf8(p, used);
}

// WM_CLASS holds the instance name and then the class name, each ending with a NUL.
std::string classOf(const xcb_get_property_reply_t* pReply)
{
    if (!pReply || pReply->format != 8)
        return {};
    const auto* p = static_cast<const char*>(xcb_get_property_value(pReply));
    const auto length = std::size_t(std::max(0, xcb_get_property_value_length(pReply)));
    const auto* pInstanceEnd = static_cast<const char*>(std::memchr(p, 0, length));
    if (!pInstanceEnd)
        return {};
    const char* pClass = pInstanceEnd + 1;
    const std::size_t rest = length - std::size_t(pClass - p);
    const auto* pClassEnd = static_cast<const char*>(std::memchr(pClass, 0, rest));
    return latin1ToUtf8(pClass, pClassEnd ? std::size_t(pClassEnd - pClass) : rest);
}

} // namespace

struct VX11WindowTree::Geometry
{
    bool bVisible = false; // still there, viewable and drawn (not InputOnly)
    bool bOverrideRedirect = false;
    VPlatformRect outer; // border included, relative to the parent's origin
    int border = 0;
};

struct VX11WindowTree::Description
{
    bool bGone = false;
    std::string title;
    std::string className;
    std::vector<xcb_window_t> children;                       // front-most first
    std::optional<std::array<std::uint32_t, 4>> frameExtents; // left, right, top, bottom
    std::optional<VPlatformRect> inside;                      // when asked: root coordinates
};

struct VX11WindowTree::Node
{
    VPlatformWindow window;
    int originX = 0; // where the window's children are measured from, in root coordinates
    int originY = 0;
    std::vector<xcb_window_t> childIds;
    std::vector<std::unique_ptr<Node>> children;

    VPlatformWindow release()
    {
        for (const std::unique_ptr<Node>& pChild : children)
            window.children.push_back(pChild->release());
        return std::move(window);
    }
};

VX11WindowTree::VX11WindowTree(xcb_connection_t* pConnection, xcb_window_t root, bool bShape)
    : m_pConnection(pConnection), m_root(root), m_bShape(bShape)
{
}

VX11WindowTree::~VX11WindowTree() = default;

std::vector<VPlatformWindow> VX11WindowTree::read(const VPlatformRect& area)
{
    if (m_root == XCB_NONE || xcb_connection_has_error(m_pConnection))
        return {};
    internAtoms();
    std::vector<std::unique_ptr<Node>> topLevels = readTopLevels(area);
    std::vector<Node*> level;
    for (const std::unique_ptr<Node>& pNode : topLevels)
        level.push_back(pNode.get());
    readChildren(std::move(level), area);

    std::vector<VPlatformWindow> windows;
    windows.reserve(topLevels.size());
    for (const std::unique_ptr<Node>& pNode : topLevels)
        windows.push_back(pNode->release());
    return windows;
}

void VX11WindowTree::internAtoms()
{
    // Only existing atoms: a property nobody ever named is on no window.
    const std::array<std::pair<const char*, xcb_atom_t*>, 4> atoms{{
        {"_NET_WM_NAME", &m_netWmName},
        {"UTF8_STRING", &m_utf8String},
        {"WM_STATE", &m_wmState},
        {"_GTK_FRAME_EXTENTS", &m_gtkFrameExtents},
    }};
    std::array<xcb_intern_atom_cookie_t, atoms.size()> cookies{};
    for (std::size_t i = 0; i < atoms.size(); ++i) {
        const char* pName = atoms[i].first;
        cookies[i] = xcb_intern_atom(m_pConnection, 1, std::uint16_t(std::strlen(pName)), pName);
    }
    for (std::size_t i = 0; i < atoms.size(); ++i) {
        bool bFailed = false;
        const auto reply = take(m_pConnection, xcb_intern_atom_reply, cookies[i], bFailed);
        *atoms[i].second = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    }
}

std::vector<xcb_window_t> VX11WindowTree::frontToBackChildren(xcb_window_t window)
{
    bool bGone = false;
    const auto reply =
        take(m_pConnection, xcb_query_tree_reply, xcb_query_tree(m_pConnection, window), bGone);
    if (!reply)
        return {};
    const xcb_window_t* pChildren = xcb_query_tree_children(reply.get());
    // The server lists them bottom first.
    return std::vector<xcb_window_t>(std::reverse_iterator(pChildren + reply->children_len),
                                     std::reverse_iterator(pChildren));
}

std::vector<VX11WindowTree::Geometry>
VX11WindowTree::measure(const std::vector<xcb_window_t>& windows)
{
    std::vector<xcb_get_window_attributes_cookie_t> attributes;
    std::vector<xcb_get_geometry_cookie_t> geometries;
    attributes.reserve(windows.size());
    geometries.reserve(windows.size());
    for (const xcb_window_t window : windows) {
        attributes.push_back(xcb_get_window_attributes(m_pConnection, window));
        geometries.push_back(xcb_get_geometry(m_pConnection, window));
    }
    std::vector<Geometry> results(windows.size());
    for (std::size_t i = 0; i < windows.size(); ++i) {
        bool bGone = false;
        const auto pAttributes =
            take(m_pConnection, xcb_get_window_attributes_reply, attributes[i], bGone);
        const auto pGeometry = take(m_pConnection, xcb_get_geometry_reply, geometries[i], bGone);
        if (bGone)
            continue;
        Geometry& result = results[i];
        result.bVisible = pAttributes->map_state == XCB_MAP_STATE_VIEWABLE &&
                          pAttributes->_class == XCB_WINDOW_CLASS_INPUT_OUTPUT;
        result.bOverrideRedirect = pAttributes->override_redirect != 0;
        result.border = pGeometry->border_width;
        result.outer = {pGeometry->x, pGeometry->y, pGeometry->width + 2 * result.border,
                        pGeometry->height + 2 * result.border};
    }
    return results;
}

std::vector<xcb_window_t> VX11WindowTree::findClients(const std::vector<xcb_window_t>& frames,
                                                      const std::vector<bool>& settled)
{
    // The usual search: the client is the shallowest window below the frame that has
    // WM_STATE, the first of its depth in stacking order; the frame itself when there is none.
    std::vector<xcb_window_t> clients(frames);
    std::vector<std::vector<xcb_window_t>> searched(frames.size());
    for (std::size_t i = 0; i < frames.size(); ++i) {
        if (!settled[i] && m_wmState != XCB_ATOM_NONE)
            searched[i] = {frames[i]};
    }
    for (int depth = 0; depth < kClientSearchDepth; ++depth) {
        std::vector<std::vector<xcb_query_tree_cookie_t>> trees(frames.size());
        for (std::size_t i = 0; i < frames.size(); ++i) {
            for (const xcb_window_t window : searched[i])
                trees[i].push_back(xcb_query_tree(m_pConnection, window));
        }
        std::vector<std::vector<xcb_window_t>> below(frames.size());
        for (std::size_t i = 0; i < frames.size(); ++i) {
            for (const xcb_query_tree_cookie_t cookie : trees[i]) {
                bool bGone = false;
                const auto reply = take(m_pConnection, xcb_query_tree_reply, cookie, bGone);
                if (!reply)
                    continue;
                const xcb_window_t* pChildren = xcb_query_tree_children(reply.get());
                below[i].insert(below[i].end(), pChildren, pChildren + reply->children_len);
            }
            if (below[i].size() > kMaxFrameWindows)
                below[i].clear(); // an application, not a frame
        }

        std::vector<std::vector<xcb_get_property_cookie_t>> states(frames.size());
        for (std::size_t i = 0; i < frames.size(); ++i) {
            for (const xcb_window_t window : below[i]) {
                states[i].push_back(xcb_get_property(m_pConnection, 0, window, m_wmState,
                                                     XCB_GET_PROPERTY_TYPE_ANY, 0, 0));
            }
        }
        bool bDeeper = false;
        for (std::size_t i = 0; i < frames.size(); ++i) {
            bool bFound = false;
            for (std::size_t j = 0; j < states[i].size(); ++j) {
                bool bGone = false;
                const auto reply = take(m_pConnection, xcb_get_property_reply, states[i][j], bGone);
                if (!bFound && reply && reply->type != XCB_ATOM_NONE) {
                    clients[i] = below[i][j];
                    bFound = true;
                }
            }
            searched[i] = bFound ? std::vector<xcb_window_t>() : std::move(below[i]);
            bDeeper = bDeeper || !searched[i].empty();
        }
        if (!bDeeper)
            break;
    }
    return clients;
}

std::vector<VX11WindowTree::Description>
VX11WindowTree::describe(const std::vector<xcb_window_t>& windows,
                         const std::vector<bool>& topLevel)
{
    struct Cookies
    {
        std::optional<xcb_get_property_cookie_t> netWmName;
        std::optional<xcb_get_property_cookie_t> wmName;
        std::optional<xcb_get_property_cookie_t> wmClass;
        std::optional<xcb_get_property_cookie_t> frameExtents;
        std::optional<xcb_query_tree_cookie_t> tree;
        std::optional<xcb_get_geometry_cookie_t> geometry;
        std::optional<xcb_translate_coordinates_cookie_t> position;
    };
    std::vector<Cookies> cookies(windows.size());
    for (std::size_t i = 0; i < windows.size(); ++i) {
        const xcb_window_t window = windows[i];
        Cookies& sent = cookies[i];
        if (m_netWmName != XCB_ATOM_NONE && m_utf8String != XCB_ATOM_NONE) {
            sent.netWmName = xcb_get_property(m_pConnection, 0, window, m_netWmName, m_utf8String,
                                              0, kTextLongs);
        }
        sent.wmName = xcb_get_property(m_pConnection, 0, window, XCB_ATOM_WM_NAME,
                                       XCB_GET_PROPERTY_TYPE_ANY, 0, kTextLongs);
        sent.wmClass = xcb_get_property(m_pConnection, 0, window, XCB_ATOM_WM_CLASS,
                                        XCB_ATOM_STRING, 0, kTextLongs);
        sent.tree = xcb_query_tree(m_pConnection, window);
        if (topLevel[i]) {
            if (m_gtkFrameExtents != XCB_ATOM_NONE) {
                sent.frameExtents = xcb_get_property(m_pConnection, 0, window, m_gtkFrameExtents,
                                                     XCB_ATOM_CARDINAL, 0, 4);
            }
            sent.geometry = xcb_get_geometry(m_pConnection, window);
            sent.position = xcb_translate_coordinates(m_pConnection, window, m_root, 0, 0);
        }
    }

    std::vector<Description> results(windows.size());
    for (std::size_t i = 0; i < windows.size(); ++i) {
        const Cookies& sent = cookies[i];
        Description& result = results[i];
        bool& bGone = result.bGone;
        const auto netWmName = take(m_pConnection, xcb_get_property_reply, sent.netWmName, bGone);
        const auto wmName = take(m_pConnection, xcb_get_property_reply, sent.wmName, bGone);
        const auto wmClass = take(m_pConnection, xcb_get_property_reply, sent.wmClass, bGone);
        const auto extents = take(m_pConnection, xcb_get_property_reply, sent.frameExtents, bGone);
        const auto tree = take(m_pConnection, xcb_query_tree_reply, sent.tree, bGone);
        const auto geometry = take(m_pConnection, xcb_get_geometry_reply, sent.geometry, bGone);
        const auto position =
            take(m_pConnection, xcb_translate_coordinates_reply, sent.position, bGone);
        if (bGone)
            continue;

        result.title = textOf(netWmName.get(), m_utf8String);
        if (result.title.empty())
            result.title = textOf(wmName.get(), m_utf8String);
        result.className = classOf(wmClass.get());
        const xcb_window_t* pChildren = xcb_query_tree_children(tree.get());
        result.children.assign(std::reverse_iterator(pChildren + tree->children_len),
                               std::reverse_iterator(pChildren));
        if (extents && extents->format == 32 &&
            xcb_get_property_value_length(extents.get()) == 16) {
            const auto* pValues =
                static_cast<const std::uint32_t*>(xcb_get_property_value(extents.get()));
            result.frameExtents =
                std::array<std::uint32_t, 4>{pValues[0], pValues[1], pValues[2], pValues[3]};
        }
        if (geometry && position) {
            result.inside =
                VPlatformRect{position->dst_x, position->dst_y, geometry->width, geometry->height};
        }
    }
    return results;
}

std::vector<std::unique_ptr<VX11WindowTree::Node>>
VX11WindowTree::readTopLevels(const VPlatformRect& area)
{
    const std::vector<xcb_window_t> all = frontToBackChildren(m_root);
    const std::vector<Geometry> geometries = measure(all);

    // The frames worth a closer look, with their state and shape.
    std::vector<std::size_t> candidates;
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (geometries[i].bVisible && meets(geometries[i].outer, area))
            candidates.push_back(i);
    }
    std::vector<std::optional<xcb_get_property_cookie_t>> stateCookies(candidates.size());
    std::vector<std::optional<xcb_shape_query_extents_cookie_t>> shapedCookies(candidates.size());
    std::vector<std::optional<xcb_shape_get_rectangles_cookie_t>> shapeCookies(candidates.size());
    for (std::size_t k = 0; k < candidates.size(); ++k) {
        const xcb_window_t frame = all[candidates[k]];
        if (m_wmState != XCB_ATOM_NONE) {
            stateCookies[k] = xcb_get_property(m_pConnection, 0, frame, m_wmState,
                                               XCB_GET_PROPERTY_TYPE_ANY, 0, 0);
        }
        if (m_bShape) {
            // Asked together: the server describes an unshaped bordered window one border short.
            shapedCookies[k] = xcb_shape_query_extents(m_pConnection, frame);
            shapeCookies[k] = xcb_shape_get_rectangles(m_pConnection, frame, XCB_SHAPE_SK_BOUNDING);
        }
    }
    std::vector<xcb_window_t> frames;
    std::vector<bool> settled; // the frame is its own client
    std::vector<std::vector<VPlatformRect>> shapes;
    std::vector<const Geometry*> frameGeometries;
    for (std::size_t k = 0; k < candidates.size(); ++k) {
        bool bGone = false;
        const auto state = take(m_pConnection, xcb_get_property_reply, stateCookies[k], bGone);
        const auto shaped =
            take(m_pConnection, xcb_shape_query_extents_reply, shapedCookies[k], bGone);
        const auto shape =
            take(m_pConnection, xcb_shape_get_rectangles_reply, shapeCookies[k], bGone);
        if (bGone)
            continue;
        const Geometry& geometry = geometries[candidates[k]];
        std::vector<VPlatformRect> rects;
        if (shaped && shaped->bounding_shaped) {
            const xcb_rectangle_t* pRects = xcb_shape_get_rectangles_rectangles(shape.get());
            const int count = xcb_shape_get_rectangles_rectangles_length(shape.get());
            if (count <= 0)
                continue; // shaped to nothing: not to be seen
            rects.reserve(std::size_t(count));
            for (int r = 0; r < count; ++r)
                rects.push_back({pRects[r].x, pRects[r].y, pRects[r].width, pRects[r].height});
            // The bounding shape is measured from inside the border.
            if (!fitShape(rects, geometry.border, geometry.border, geometry.outer.width,
                          geometry.outer.height))
                continue;
        }
        frames.push_back(all[candidates[k]]);
        // Override-redirect windows are never managed, so no client is looked for inside them.
        settled.push_back((state && state->type != XCB_ATOM_NONE) || geometry.bOverrideRedirect);
        shapes.push_back(std::move(rects));
        frameGeometries.push_back(&geometry);
    }

    const std::vector<xcb_window_t> clients = findClients(frames, settled);
    const std::vector<Description> descriptions =
        describe(clients, std::vector<bool>(clients.size(), true));

    std::vector<std::unique_ptr<Node>> nodes;
    for (std::size_t k = 0; k < frames.size(); ++k) {
        const Description& description = descriptions[k];
        if (description.bGone || !description.inside)
            continue;
        auto pNode = std::make_unique<Node>();
        VPlatformWindow& window = pNode->window;
        window.handle = clients[k];
        window.window = frameGeometries[k]->outer;
        window.client = *description.inside;
        window.title = description.title;
        window.className = description.className;
        window.shape = std::move(shapes[k]);
        pNode->originX = window.client.x;
        pNode->originY = window.client.y;
        pNode->childIds = description.children;

        if (description.frameExtents) {
            // Client-side decorations draw their shadow inside the window: keep what is seen.
            const auto margin = [](std::uint32_t value) {
                return int(std::min<std::uint32_t>(value, 0x7fff));
            };
            const std::array<std::uint32_t, 4>& extents = *description.frameExtents;
            const VPlatformRect visible{
                window.client.x + margin(extents[0]), window.client.y + margin(extents[2]),
                window.client.width - margin(extents[0]) - margin(extents[1]),
                window.client.height - margin(extents[2]) - margin(extents[3])};
            const VPlatformRect cut = intersected(window.window, visible);
            if (!isEmpty(cut)) {
                if (!fitShape(window.shape, window.window.x - cut.x, window.window.y - cut.y,
                              cut.width, cut.height))
                    continue;
                window.window = cut;
                window.client = intersected(window.client, cut);
            }
        }
        if (!meets(window.window, area))
            continue;
        nodes.push_back(std::move(pNode));
    }
    return nodes;
}

void VX11WindowTree::readChildren(std::vector<Node*> level, const VPlatformRect& area)
{
    for (int depth = 0; depth < kMaxChildDepth && !level.empty(); ++depth) {
        std::vector<Node*> parents;
        std::vector<xcb_window_t> ids;
        for (Node* pParent : level) {
            for (const xcb_window_t id : pParent->childIds) {
                parents.push_back(pParent);
                ids.push_back(id);
            }
        }
        const std::vector<Geometry> geometries = measure(ids);

        std::vector<std::size_t> seen;
        std::vector<xcb_window_t> seenIds;
        std::vector<VPlatformRect> rects;
        for (std::size_t i = 0; i < ids.size(); ++i) {
            if (!geometries[i].bVisible)
                continue;
            VPlatformRect rect = geometries[i].outer;
            rect.x += parents[i]->originX;
            rect.y += parents[i]->originY;
            if (!meets(rect, area))
                continue;
            seen.push_back(i);
            seenIds.push_back(ids[i]);
            rects.push_back(rect);
        }
        const std::vector<Description> descriptions =
            describe(seenIds, std::vector<bool>(seenIds.size(), false));

        std::vector<Node*> next;
        for (std::size_t k = 0; k < seen.size(); ++k) {
            const Description& description = descriptions[k];
            if (description.bGone)
                continue;
            const std::size_t i = seen[k];
            const int border = geometries[i].border;
            auto pNode = std::make_unique<Node>();
            VPlatformWindow& window = pNode->window;
            window.handle = ids[i];
            window.window = rects[k];
            window.client = {rects[k].x + border, rects[k].y + border, rects[k].width - 2 * border,
                             rects[k].height - 2 * border};
            window.title = description.title;
            window.className = description.className;
            pNode->originX = window.client.x;
            pNode->originY = window.client.y;
            pNode->childIds = description.children;
            next.push_back(pNode.get());
            parents[i]->children.push_back(std::move(pNode));
        }
        level = std::move(next);
    }
}
