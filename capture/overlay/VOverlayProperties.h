// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QFrame;
class QToolButton;
class QWidget;
class VCanvas;

// The "Properties" panel of the overlay: the selected annotations' properties in a corner of the
// screen, over the picture. A button of the main row and F4 show and hide it; it only
// shows while the picture is being edited.
class VOverlayProperties : public QObject
{
    Q_OBJECT

public:
    // The button goes into the main row right after `after`.
    VOverlayProperties(QWidget* pOverlay, VCanvas* pCanvas, QToolButton* pAfter);

    QToolButton* button() const { return m_pButton; }
    bool isShown() const;

    // Whether the overlay is in its editing state, the rows of tools shown.
    void setEditing(bool on);
    // The room left above the tool rows, in the overlay's coordinates.
    void place(int bottom);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void update();
    void retranslate();

    QWidget* m_pOverlay;
    QFrame* m_pPanel;
    QToolButton* m_pButton;
    bool m_bEditing = false;
};
