// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TalvikCoreExport.h"
#include "VWidget.h"

class QLabel;

// The short-lived help note in a corner of a canvas. Each note is known by its title; the
// user can silence a note for good with its link.
class TALVIKCORE_EXPORT VHelpBalloon : public VWidget
{
    Q_OBJECT

public:
    explicit VHelpBalloon(VCanvas* canvas);
    ~VHelpBalloon() override;

    using VWidget::show;
    // Nothing for a silenced title. Otherwise placed by alignment, held readable for three
    // seconds, then faded out over two.
    void show(const QString& title, const QString& text,
              const QFlags<Qt::AlignmentFlag>& alignment);

public slots:
    void onDontShowAgain();

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void reposition(const QFlags<Qt::AlignmentFlag>& alignment);

    QLabel* m_pTitle;
    QLabel* m_pText;
    QLabel* m_pLink;
    QString m_title;
};
