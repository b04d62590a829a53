// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VWidget.h"

#include "VCanvas.h"

#include <QGraphicsDropShadowEffect>
#include <QGraphicsOpacityEffect>
#include <QHBoxLayout>
#include <QPropertyAnimation>
#include <QVBoxLayout>

namespace {
constexpr double kShownOpacity = 0.9;
constexpr int kFadeDuration = 400;
constexpr int kShadowMargin = 5;

// The panels' sheets paint a light ground whatever the desktop's scheme, so their texts and
// controls take dark colours that read on it rather than the scheme's.
QPalette lightPanelPalette()
{
    const QColor text(48, 48, 48), ground(255, 255, 255), muted(120, 120, 120);
    QPalette palette;
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText})
        palette.setColor(role, text);
    for (const QPalette::ColorRole role :
         {QPalette::Window, QPalette::Base, QPalette::Button, QPalette::ToolTipBase})
        palette.setColor(role, ground);
    palette.setColor(QPalette::AlternateBase, QColor(240, 240, 244));
    palette.setColor(QPalette::Link, QColor(0, 84, 180));
    palette.setColor(QPalette::LinkVisited, QColor(96, 40, 160));
    palette.setColor(QPalette::PlaceholderText, muted);
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, muted);
    return palette;
}
} // namespace

VWidget::VWidget(VCanvas* canvas)
    : QWidget(canvas)
    , m_pShadowHost(new QWidget(this))
    , m_pContent(new QWidget(m_pShadowHost))
    , m_pLayout(new QHBoxLayout(m_pContent))
{
    // Nothing but the content and its shadow is drawn; the picture shows through the rest.
    QPalette transparent = palette();
    transparent.setBrush(QPalette::Window, QBrush(Qt::transparent, Qt::SolidPattern));
    setPalette(transparent);
    m_pShadowHost->setPalette(transparent);
    m_pContent->setPalette(transparent);

    auto* panelLayout = new QVBoxLayout(this);
    panelLayout->setSpacing(0);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->addWidget(m_pShadowHost);

    auto* hostLayout = new QVBoxLayout(m_pShadowHost);
    hostLayout->setSpacing(0);
    hostLayout->setContentsMargins(kShadowMargin, kShadowMargin, kShadowMargin, kShadowMargin);
    hostLayout->addWidget(m_pContent);

    m_pLayout->setSpacing(6);
    m_pLayout->setContentsMargins(3, 3, 3, 3);

    setDropShadow(true);
    QWidget::hide();
}

VWidget::~VWidget() = default;

VCanvas* VWidget::canvas() const
{
    return qobject_cast<VCanvas*>(parentWidget());
}

void VWidget::setStyle(const QString& styleSheet)
{
    m_pContent->setStyleSheet(styleSheet);
    // A widget with a sheet passes no palette on to its children: each gets its own.
    m_bLightPanel = true;
    for (QWidget* widget : std::as_const(m_widgets))
        if (widget)
            widget->setPalette(lightPanelPalette());
}

void VWidget::setDropShadow(bool on)
{
    if (!on) {
        m_pShadowHost->setGraphicsEffect(nullptr);
        return;
    }
    auto* shadow = new QGraphicsDropShadowEffect(m_pShadowHost);
    shadow->setOffset(0);
    shadow->setBlurRadius(5);
    m_pShadowHost->setGraphicsEffect(shadow);
    m_pShadowEffect = shadow;
}

void VWidget::setOpacity(double opacity)
{
    if (qFuzzyCompare(opacity, 1.0)) {
        if (m_pFading) {
            m_pFading->stop();
            // It may be the sender of the signal that brought us here.
            m_pFading->deleteLater();
            m_pFading = nullptr;
        }
        if (m_pOpacityEffect)
            setGraphicsEffect(nullptr);
        return;
    }

    if (!m_pOpacityEffect)
        m_pOpacityEffect = new QGraphicsOpacityEffect(this);
    if (graphicsEffect() != m_pOpacityEffect)
        setGraphicsEffect(m_pOpacityEffect);
    m_pOpacityEffect->setOpacity(opacity);

    if (m_pFading) {
        if (m_pFading->targetObject() != m_pOpacityEffect) {
            m_pFading->stop();
            m_pFading->setTargetObject(m_pOpacityEffect);
        }
        return;
    }
    m_pFading = new QPropertyAnimation(m_pOpacityEffect, "opacity", this);
    connect(m_pFading, &QAbstractAnimation::finished, this, &VWidget::onFadingFinished);
    m_pFading->setDuration(kFadeDuration);
    m_pFading->setEasingCurve(QEasingCurve::InOutSine);
}

void VWidget::show(bool animated)
{
    if (animated) {
        startFade(0.0, kShownOpacity);
    } else {
        stopFade();
        // A finished fade-out leaves the effect at 0, which would show an invisible panel.
        if (m_pOpacityEffect)
            m_pOpacityEffect->setOpacity(kShownOpacity);
    }
    QWidget::show();
}

void VWidget::hide(bool animated)
{
    if (animated) {
        startFade(kShownOpacity, 0.0);
        return;
    }
    // A fade-out left running would hide the panel again after a later show(false).
    stopFade();
    QWidget::hide();
}

void VWidget::resetLayout(QLayout* layout)
{
    if (!layout || layout == m_pLayout)
        return;
    delete m_pLayout;
    m_pContent->setLayout(layout);
    m_pLayout = layout;
    for (QWidget* widget : std::as_const(m_widgets)) {
        if (widget)
            m_pLayout->addWidget(widget);
    }
    adjustSize();
}

void VWidget::addWidget(QWidget* widget)
{
    if (!widget)
        return;
    widget->setParent(m_pContent);
    if (m_bLightPanel)
        widget->setPalette(lightPanelPalette());
    m_pLayout->addWidget(widget);
    m_widgets.append(widget);
    adjustSize();
}

void VWidget::adjustSize()
{
    m_pContent->adjustSize();
    m_pShadowHost->adjustSize();
    QWidget::adjustSize();
}

void VWidget::enterEvent(QEnterEvent* event)
{
    // Held while the pointer is on the panel, so a note does not vanish while it is read.
    if (m_pFading && m_pFading->state() == QAbstractAnimation::Running) {
        m_pFading->pause();
        setOpacity(kShownOpacity);
    }
    QWidget::enterEvent(event);
}

void VWidget::leaveEvent(QEvent* event)
{
    if (m_pFading && m_pFading->state() == QAbstractAnimation::Paused)
        m_pFading->resume();
    QWidget::leaveEvent(event);
}

void VWidget::onFadingFinished()
{
    if (m_pOpacityEffect && qFuzzyIsNull(m_pOpacityEffect->opacity()))
        QWidget::hide();
}

void VWidget::startFade(double from, double to)
{
    stopFade();
    setOpacity(kShownOpacity);
    // Subclasses may have given the animation a timeline of their own.
    m_pFading->setDuration(kFadeDuration);
    m_pFading->setKeyValues({{0.0, from}, {1.0, to}});
    m_pFading->start();
}

void VWidget::stopFade()
{
    if (m_pFading)
        m_pFading->stop();
}
