// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VShapedTrayPanel.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QToolButton>

#include <algorithm>

namespace {
constexpr int kInset = 3;        // from the widget's edge to the body, room for the rim
constexpr int kRadius = 7;       // of the body's corners
constexpr int kPointerHalf = 12; // half the pointer's base, and its height
constexpr int kPointerSide = 12; // extra margin on the side the pointer comes out of
// The pointer's base must stay on the straight part of its edge.
constexpr int kPointerMinX = kInset + kRadius + kPointerHalf;
constexpr int kMinimumWidth = 2 * kPointerMinX;

QPen outlinePen(const QColor& color, qreal width)
{
    return QPen(color, width, Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin);
}
} // namespace

VShapedTrayPanel::VShapedTrayPanel(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::WindowStaysOnTopHint), m_pLayout(new QHBoxLayout(this))
{
    setWindowOpacity(0.9);
    // The panel never becomes the active window, and its buttons show only icons: their tool
    // tips are all that names them.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    m_pLayout->setSpacing(3);
    m_pLayout->setContentsMargins(3, 3, 3, 3);
}

VShapedTrayPanel::~VShapedTrayPanel() = default;

void VShapedTrayPanel::setButtonText(QToolButton* button, const QString& text)
{
    // Only its icon shows: the text is its tool tip and what a screen reader says.
    button->setText(text);
    button->setToolTip(text);
    button->setAccessibleName(text);
}

QToolButton* VShapedTrayPanel::addButton(const QIcon& icon, const QString& text,
                                         const QObject* receiver, const char* member)
{
    auto* button = new QToolButton(this);
    setButtonText(button, text);
    button->setIcon(icon);
    button->setIconSize(QSize(32, 32));
    button->setFixedSize(40, 40);
    button->setAutoRaise(true);
    m_pLayout->addWidget(button);

    // Connected first, so it runs first.
    connect(button, &QToolButton::clicked, this, &QWidget::hide);
    if (receiver && member) {
        connect(button, SIGNAL(clicked()), receiver, member);
    }
    return button;
}

void VShapedTrayPanel::show(const QRect& iconRect)
{
    const QPoint centre = iconRect.center();
    QScreen* screen = QGuiApplication::screenAt(centre);
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    const QRect area = screen ? screen->geometry() : QRect(QPoint(0, 0), iconRect.size());

    // Measured from the screen's own top, so that a screen stacked below another one decides
    // the same way as the first.
    const int fromTop = centre.y() - area.top();
    const bool below = fromTop < area.height() - fromTop;

    setContentsMargins(7, below ? 6 + kPointerSide : 6, 7, below ? 6 : 6 + kPointerSide);
    const QSize hint = sizeHint();
    const QSize size(std::max(hint.width(), kMinimumWidth), hint.height());

    int x = centre.x() - size.width() / 2 + 1;
    const int y = below ? centre.y() + 8 : centre.y() - size.height() - 8;
    // An icon in a corner of the screen would push half the bubble off it: keep the bubble on
    // the screen and let the pointer slide along its edge to stay on the icon.
    x = std::max(std::min(x, area.right() + 1 - size.width()), area.left());
    const int pointerX = std::clamp(centre.x() + 1 - x, kPointerMinX,
                                    std::max(kPointerMinX, size.width() - kPointerMinX));

    const QPainterPath path = outline(size, below, pointerX);

    QBitmap mask(size);
    mask.fill(Qt::color0);
    {
        QPainter painter(&mask);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(outlinePen(Qt::color1, 4));
        painter.setBrush(Qt::color1);
        painter.drawPath(path);
    }
    setMask(mask);

    const qreal ratio = screen ? screen->devicePixelRatio() : 1.0;
    QPixmap picture(size * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(outlinePen(Qt::black, 4));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
        painter.setPen(outlinePen(Qt::white, 3));
        painter.setBrush(QColor(50, 50, 50, 255));
        painter.drawPath(path);
    }
    m_background = picture;

    setGeometry(QRect(QPoint(x, y), size));
    QWidget::show();
    update();
}

void VShapedTrayPanel::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    painter.drawPixmap(rect(), m_background);
}

// The body with rounded corners and the pointer on the edge that faces the icon, clockwise
// from the top left corner.
QPainterPath VShapedTrayPanel::outline(const QSize& size, bool below, int pointerX)
{
    const int left = kInset;
    const int right = size.width() - kInset;
    const int top = below ? kInset + 11 : kInset;
    const int bottom = below ? size.height() - kInset : size.height() - kInset - kPointerSide;
    const int diameter = 2 * kRadius;

    QPainterPath path;
    path.moveTo(left + kRadius, top);
    if (below) {
        path.lineTo(pointerX - kPointerHalf, top);
        path.lineTo(pointerX, top - kPointerHalf);
        path.lineTo(pointerX + kPointerHalf, top);
    }
    path.lineTo(right - kRadius, top);
    path.arcTo(QRectF(right - diameter, top, diameter, diameter), 90, -90);
    path.lineTo(right, bottom - kRadius);
    path.arcTo(QRectF(right - diameter, bottom - diameter, diameter, diameter), 0, -90);
    if (!below) {
        path.lineTo(pointerX + kPointerHalf, bottom);
        path.lineTo(pointerX, bottom + kPointerHalf);
        path.lineTo(pointerX - kPointerHalf, bottom);
    }
    path.lineTo(left + kRadius, bottom);
    path.arcTo(QRectF(left, bottom - diameter, diameter, diameter), 270, -90);
    path.lineTo(left, top + kRadius);
    path.arcTo(QRectF(left, top, diameter, diameter), 180, -90);
    path.closeSubpath();
    return path;
}
