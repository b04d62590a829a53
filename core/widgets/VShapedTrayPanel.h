// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TalvikCoreExport.h"

#include <QPixmap>
#include <QWidget>

class QHBoxLayout;
class QIcon;
class QPainterPath;
class QToolButton;

// A speech-bubble shaped row of large buttons whose pointer touches a tray icon; the instant
// menu that opens while the mouse rests on the icon.
class TALVIKCORE_EXPORT VShapedTrayPanel : public QWidget
{
    Q_OBJECT

public:
    explicit VShapedTrayPanel(QWidget* parent);
    ~VShapedTrayPanel() override;

    static void setButtonText(QToolButton* button, const QString& text);
    // The button hides the panel before the receiver's member runs, so a capture started from it
    // never sees the panel on screen.
    QToolButton* addButton(const QIcon& icon, const QString& text, const QObject* receiver,
                           const char* member);

    // Shapes the bubble for an icon at iconRect (global coordinates), places it next to the icon
    // on the side with more room and shows it.
    void show(const QRect& iconRect);

    // What paintEvent draws: the bubble with its rim, transparent around it.
    const QPixmap& backgroundPicture() const { return m_background; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static QPainterPath outline(const QSize& size, bool below, int pointerX);

    QHBoxLayout* m_pLayout = nullptr;
    QPixmap m_background;
};
