// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VWindowNode.h"

#include "grab/VScreenGrab.h"
#include "platform/VPlatformBackend.h"
#include "platform/VPlatformFactory.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>

#include <algorithm>

namespace {

constexpr int kMaxTextLength = 254;

QString cut(const std::string& utf8)
{
    QString text = QString::fromStdString(utf8);
    if (text.size() > kMaxTextLength) {
        // Never half a surrogate pair.
        text.truncate(text.at(kMaxTextLength - 1).isHighSurrogate() ? kMaxTextLength - 1
                                                                    : kMaxTextLength);
    }
    return text;
}

QRect toQRect(const VPlatformRect& rect)
{
    return {rect.x, rect.y, rect.width, rect.height};
}

} // namespace

// Turns the desktop's plain description into nodes; a friend, so the public face of a node stays
// read-only.
class VWindowNodeBuilder
{
public:
    // The node of a live window, false when it has no handle or no area.
    static bool init(VWindowNode& node, const VPlatformWindow& window)
    {
        node.m_children.clear();
        if (!window.handle)
            return false;
        node.m_hwnd = window.handle;
        node.m_rect = toQRect(window.window);
        node.m_origin = node.m_rect.topLeft();
        if (node.m_rect.isEmpty())
            return false;
        node.m_clientRect = toQRect(window.client) & node.m_rect;
        node.m_title = cut(window.title);
        node.m_className = cut(window.className);
        return true;
    }

    // What the monitors' work areas leave of a window: a maximised one (covering the work area
    // that holds its centre) keeps that alone, without the frame reaching beyond it; any other
    // keeps the rectangle around its parts in all of them, so it may lie across monitors.
    static QRect workAreaCut(const QRect& rect, const QList<QRect>& workAreas)
    {
        QRect kept;
        for (const QRect& area : workAreas) {
            if (area.contains(rect.center()) && rect.contains(area))
                return area;
            kept |= rect & area;
        }
        return kept;
    }

    // A top-level window: its shape and the work areas. The mask is painted only for what is
    // left inside screen, so a huge or off-screen shape costs nothing.
    static void applyShape(VWindowNode& node, const std::vector<VPlatformRect>& shape,
                           const QList<QRect>& workAreas, const QRect& screen)
    {
        node.m_kind = VWindowNode::KindTopLevel;
        QRect bounds;
        int parts = 0;
        for (const VPlatformRect& part : shape) {
            const QRect rect = toQRect(part).normalized();
            if (!rect.isEmpty()) {
                bounds |= rect;
                ++parts;
            }
        }
        if (!shape.empty()) {
            node.m_rect = bounds.translated(node.m_origin);
            node.m_clientRect &= node.m_rect;
        }
        const QRect workArea = workAreaCut(node.m_rect, workAreas);
        if (!workArea.isEmpty())
            clip(node, workArea);
        // One rectangle is no outline worth a mask.
        const QRect visible = node.m_rect & screen;
        if (parts > 1 && !visible.isEmpty()) {
            clip(node, screen);
            node.m_shapeMask = maskOf(shape, node.m_origin, visible);
        }
    }

    // Painted rectangle by rectangle: a path or region of thousands of them is far too slow.
    static QPixmap maskOf(const std::vector<VPlatformRect>& shape, const QPoint& origin,
                          const QRect& area)
    {
        QImage mask(area.size(), QImage::Format_ARGB32_Premultiplied);
        if (mask.isNull())
            return {};
        mask.fill(Qt::transparent);
        QPainter painter(&mask);
        painter.translate(origin - area.topLeft());
        for (const VPlatformRect& part : shape)
            painter.fillRect(toQRect(part).normalized(), Qt::black);
        painter.end();
        return QPixmap::fromImage(mask);
    }

    // Cuts the node to area; its mask keeps covering exactly its rectangle.
    static void clip(VWindowNode& node, const QRect& area)
    {
        const QRect clipped = node.m_rect & area;
        if (!node.m_shapeMask.isNull() && clipped != node.m_rect && !clipped.isEmpty())
            node.m_shapeMask = node.m_shapeMask.copy(
                QRect(clipped.topLeft() - node.m_rect.topLeft(), clipped.size()));
        node.m_rect = clipped;
        node.m_clientRect &= area;
    }

    static bool appendTo(VWindowNode& parent, const VWindowNode& node)
    {
        const std::size_t before = parent.m_children.size();
        parent.addChild(node);
        return parent.m_children.size() > before;
    }

    static void collectChildWindows(VWindowNode& node, const VPlatformWindow& window)
    {
        std::vector<const VPlatformWindow*> sources;
        for (const VPlatformWindow& child : window.children) {
            // A list that leads back to a window already taken would go round for ever.
            const bool bKnown = std::any_of(
                node.m_children.begin(), node.m_children.end(),
                [&](const std::unique_ptr<VWindowNode>& p) { return p->m_hwnd == child.handle; });
            if (bKnown)
                break;
            VWindowNode childNode;
            if (init(childNode, child) && appendTo(node, childNode))
                sources.push_back(&child);
        }
        for (std::size_t i = 0; i < sources.size(); ++i)
            collectChildWindows(*node.m_children[i], *sources[i]);
    }
};

VWindowNode::VWindowNode() = default;

VWindowNode::VWindowNode(const VWindowNode& other)
    : m_hwnd(other.m_hwnd)
    , m_rect(other.m_rect)
    , m_clientRect(other.m_clientRect)
    , m_title(other.m_title)
    , m_className(other.m_className)
    , m_origin(other.m_origin)
    , m_kind(other.m_kind)
    , m_shapeMask(other.m_shapeMask)
    , m_bInClientArea(other.m_bInClientArea)
{
    m_children.reserve(other.m_children.size());
    for (const std::unique_ptr<VWindowNode>& pChild : other.m_children)
        m_children.push_back(std::make_unique<VWindowNode>(*pChild));
}

VWindowNode& VWindowNode::operator=(const VWindowNode& other)
{
    if (this != &other) {
        VWindowNode copy(other);
        *this = std::move(copy);
    }
    return *this;
}

VWindowNode::VWindowNode(VWindowNode&& other) noexcept = default;
VWindowNode& VWindowNode::operator=(VWindowNode&& other) noexcept = default;
VWindowNode::~VWindowNode() = default;

void VWindowNode::addChild(const VWindowNode& node)
{
    const QRect rect = node.m_rect & m_rect;
    if (rect.isEmpty())
        return;
    auto pChild = std::make_unique<VWindowNode>(node);
    VWindowNodeBuilder::clip(*pChild, m_rect);
    m_children.push_back(std::move(pChild));
}

std::pair<VWindowNode*, QRect> VWindowNode::findWindowAt(const QPoint& globalPoint)
{
    const bool bInside = m_rect.contains(globalPoint);
    m_bInClientArea = bInside && m_clientRect.contains(globalPoint);
    if (!bInside)
        return {nullptr, QRect()};
    std::pair<VWindowNode*, QRect> found{this, m_bInClientArea ? m_clientRect : m_rect};
    for (const std::unique_ptr<VWindowNode>& pChild : m_children) {
        const std::pair<VWindowNode*, QRect> inChild = pChild->findWindowAt(globalPoint);
        if (inChild.first) {
            found = inChild;
            break;
        }
    }
    if (m_kind == KindRoot)
        found.second.translate(-m_rect.topLeft());
    return found;
}

VWindowNode VWindowNode::fromWindows(const std::vector<VPlatformWindow>& windows,
                                     const QRect& screenRect, const QList<QRect>& workAreas)
{
    VWindowNode root;
    root.m_kind = KindRoot;
    root.m_rect = screenRect;
    root.m_clientRect = screenRect;
    std::vector<const VPlatformWindow*> sources;
    for (const VPlatformWindow& window : windows) {
        VWindowNode node;
        if (!VWindowNodeBuilder::init(node, window))
            continue;
        VWindowNodeBuilder::applyShape(node, window.shape, workAreas, screenRect);
        if (VWindowNodeBuilder::appendTo(root, node))
            sources.push_back(&window);
    }
    for (std::size_t i = 0; i < sources.size(); ++i)
        VWindowNodeBuilder::collectChildWindows(*root.m_children[i], *sources[i]);
    return root;
}

QString windowTreeUnavailableText()
{
    if (!VPlatform::backend().hidesOtherWindows())
        return QString();
    return QCoreApplication::translate("VWindowNode",
                                       "This desktop does not let a program see other programs' "
                                       "windows: capture a region instead.");
}

VWindowNode buildWindowTree(const QRect& screenRect)
{
    VPlatformBackend& backend = VPlatform::backend();
    std::vector<VPlatformWindow> windows;
    if (backend.hasWindowTree())
        windows = backend.visibleWindows(
            {screenRect.x(), screenRect.y(), screenRect.width(), screenRect.height()});
    QList<QRect> workAreas;
    for (const QScreen* pScreen : QGuiApplication::screens())
        workAreas << deviceAvailableGeometry(pScreen);
    return VWindowNode::fromWindows(windows, screenRect, workAreas);
}

void drawCursor(QImage& picture, const QPoint& pictureOrigin)
{
    drawCursor(picture, pictureOrigin, VPlatform::backend());
}

void drawCursor(QImage& picture, const QPoint& pictureOrigin, VPlatformBackend& backend)
{
    VPlatformCursor cursor;
    if (picture.isNull() || !backend.hasCursorImage() || !backend.cursorImage(cursor))
        return;
    if (cursor.width <= 0 || cursor.height <= 0 ||
        cursor.pixels.size() < std::size_t(cursor.width) * std::size_t(cursor.height))
        return;
    const QImage image(reinterpret_cast<const uchar*>(cursor.pixels.data()), cursor.width,
                       cursor.height, cursor.width * 4, QImage::Format_ARGB32_Premultiplied);
    // Device pixels, whatever scale the picture was grabbed at.
    const qreal ratio = picture.devicePixelRatio();
    picture.setDevicePixelRatio(1);
    {
        QPainter painter(&picture);
        painter.drawImage(QPoint(cursor.x - cursor.hotX, cursor.y - cursor.hotY) - pictureOrigin,
                          image);
    }
    picture.setDevicePixelRatio(ratio);
}
