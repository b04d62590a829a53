// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QRect>

class QWidget;

// The overlay as a window among the desktop's: where it goes, and the keyboard kept with it on a
// desktop with a window manager, which gives the keyboard to another window when one of the
// overlay's own dialogs closes, and not back on a click.
class VOverlayWindow : public QObject
{
    Q_OBJECT

public:
    // pFocus: the overlay's widget that takes the keys; pClicked: where a press means the user
    // is back on the overlay.
    VOverlayWindow(QWidget* pOverlay, QWidget* pFocus, QWidget* pClicked);

    // Shows the overlay over placement (the toolkit's coordinates), or over the primary screen
    // when that is empty, with the keyboard; returns where it went.
    QRect show(QRect placement);
    // Back on top with the keyboard, as after any window of its own has closed.
    void take();

protected:
    bool eventFilter(QObject* pWatched, QEvent* event) override;

private:
    QWidget* m_pOverlay;
    QWidget* m_pFocus;
    QWidget* m_pClicked;
};
