// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VToolbarSlide.h"

#include <QPointer>
#include <QPropertyAnimation>
#include <QWidget>

#include <utility>

void VToolbarSlide::slide(QWidget* pWidget, const QPoint& to, bool bIn, std::function<void()> then)
{
    auto* pAnimation = new QPropertyAnimation(pWidget, "pos", this);
    pAnimation->setDuration(kSlideMs);
    pAnimation->setStartValue(pWidget->pos());
    pAnimation->setEndValue(to);
    pAnimation->setEasingCurve(bIn ? QEasingCurve::OutQuad : QEasingCurve::InQuad);
    if (bIn)
        pWidget->show();
    m_bSliding = true;
    connect(pAnimation, &QPropertyAnimation::finished, this,
            [this, pWidget = QPointer<QWidget>(pWidget), bIn, then = std::move(then)] {
                m_bSliding = false;
                if (!bIn && pWidget)
                    pWidget->hide();
                if (then)
                    then();
                if (m_bSliding)
                    return;
                const QList<std::function<void()>> waiting = std::exchange(m_waiting, {});
                for (const auto& action : waiting)
                    action();
                emit settled();
            });
    pAnimation->start(QAbstractAnimation::DeleteWhenStopped);
}

void VToolbarSlide::whenSettled(std::function<void()> action)
{
    if (m_bSliding)
        m_waiting.append(std::move(action));
    else
        action();
}
