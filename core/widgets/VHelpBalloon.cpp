// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VHelpBalloon.h"

#include "foundation/VConfig.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPropertyAnimation>
#include <QVBoxLayout>

namespace {
constexpr int kEdge = 5;
constexpr int kShowDuration = 5000;
} // namespace

VHelpBalloon::VHelpBalloon(VCanvas* canvas)
    : VWidget(canvas), m_pTitle(new QLabel), m_pText(new QLabel), m_pLink(new QLabel)
{
    QFont bold = font();
    bold.setBold(true);
    m_pTitle->setFont(bold);

    auto* separator = new QFrame;
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);

    m_pLink->setCursor(Qt::PointingHandCursor);
    m_pLink->setContextMenuPolicy(Qt::NoContextMenu);
    connect(m_pLink, &QLabel::linkActivated, this, &VHelpBalloon::onDontShowAgain);
    retranslate();

    addWidget(m_pTitle);
    addWidget(m_pText);
    addWidget(separator);
    addWidget(m_pLink);
    auto* layout = new QVBoxLayout;
    layout->setSpacing(6);
    layout->setContentsMargins(11, 11, 11, 11);
    resetLayout(layout);

    setStyle(QStringLiteral(
        ".QWidget{border-radius: 5px;\nborder-width: 3px;\nborder-style: solid;\nborder-color: "
        "#939393;\nbackground-color: qlineargradient(spread:pad, x1:0, y1:0, x2:0, y2:1, stop:0 "
        "rgba(255, 255, 255, 255), stop:1 rgba(228, 228, 240, 255));\ncolor: rgb(48, 48, "
        "48);\nfont: 10pt;}"));
    setOpacity(0.9);
}

VHelpBalloon::~VHelpBalloon() = default;

void VHelpBalloon::show(const QString& title, const QString& text,
                        const QFlags<Qt::AlignmentFlag>& alignment)
{
    const VConfig* config = VConfig::_instance();
    if (config && !config->isShowBalloon(title))
        return;

    m_title = title;
    m_pTitle->setText(title);
    m_pText->setText(text);
    adjustSize();
    reposition(alignment);
    // Above the tool panels, which the canvas may have made after the balloon.
    raise();
    QWidget::show();

    if (QPropertyAnimation* fading = animationFading()) {
        fading->stop();
        fading->setKeyValues({{0.0, 0.9}, {0.6, 0.9}, {1.0, 0.0}});
        fading->setDuration(kShowDuration);
        fading->start();
    }
}

void VHelpBalloon::onDontShowAgain()
{
    if (VConfig* config = VConfig::_instance())
        config->setShowBalloon(m_title, false);
    hide(false);
}

void VHelpBalloon::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        // A note lives seconds: it goes rather than speak the old language; the next comes in
        // the new one.
        m_pTitle->clear();
        m_pText->clear();
        if (isVisible())
            hide(false);
    }
    VWidget::changeEvent(event);
}

void VHelpBalloon::retranslate()
{
    // Rich text takes its link colour from the application's palette, made for the desktop's
    // scheme, not from the balloon's light ground.
    m_pLink->setText(
        tr("<a href=\"0\">Don't Show me this Again.</a>")
            .replace(QLatin1String("<a "), QLatin1String("<a style=\"color:#0054b4\" ")));
}

void VHelpBalloon::reposition(const QFlags<Qt::AlignmentFlag>& alignment)
{
    const QWidget* parent = parentWidget();
    if (!parent)
        return;
    const int w = width();
    const int h = height();
    const int parentWidth = parent->width();
    const int parentHeight = parent->height();
    QPoint place(kEdge, kEdge);
    if (alignment & Qt::AlignRight)
        place.setX(parentWidth - w - kEdge);
    else if (alignment & Qt::AlignHCenter)
        place.setX((parentWidth - w) / 2);
    if (alignment & Qt::AlignBottom)
        place.setY(parentHeight - h - kEdge);
    else if (alignment & Qt::AlignVCenter)
        place.setY((parentHeight - h) / 2);
    move(place);
}
