// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TalvikCoreExport.h"

#include <QList>
#include <QPointer>
#include <QWidget>

class QGraphicsDropShadowEffect;
class QGraphicsOpacityEffect;
class QLayout;
class QPropertyAnimation;
class VCanvas;

// A frameless panel floating over a canvas, with a soft drop shadow, that fades in and out.
// Its buttons live in an inner content widget; around that, a transparent margin leaves room
// for the shadow.
class TALVIKCORE_EXPORT VWidget : public QWidget
{
    Q_OBJECT

public:
    explicit VWidget(VCanvas* canvas);
    ~VWidget() override;

    VCanvas* canvas() const;

    using QWidget::setStyle;
    // The style sheet of the content widget, which paints a light ground: its texts and
    // controls get dark colours to match, whatever the desktop's scheme.
    void setStyle(const QString& styleSheet);
    void setDropShadow(bool on);

    // 1 drops the opacity effect and the fading animation; anything else keeps both.
    void setOpacity(double opacity);

    using QWidget::hide;
    using QWidget::show;
    // Fades in from 0 to 0.9 when animated.
    void show(bool animated);
    // When animated, the panel stays visible until the fade has reached 0.
    void hide(bool animated);

    void resetLayout(QLayout* layout);

protected:
    QPropertyAnimation* animationFading() const { return m_pFading; }

    void addWidget(QWidget* widget);
    void adjustSize();

    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

protected slots:
    void onFadingFinished();

private:
    void startFade(double from, double to);
    void stopFade();

    QWidget* m_pShadowHost;
    QWidget* m_pContent;
    bool m_bLightPanel = false;
    QLayout* m_pLayout;
    QPropertyAnimation* m_pFading = nullptr;
    // Both effects belong to the widget they are set on, which deletes them when replaced.
    QPointer<QGraphicsOpacityEffect> m_pOpacityEffect;
    QPointer<QGraphicsDropShadowEffect> m_pShadowEffect;
    // Guarded: a caller may delete a widget it added.
    QList<QPointer<QWidget>> m_widgets;
};
