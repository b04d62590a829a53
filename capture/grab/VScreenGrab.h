#pragma once

#include <QPixmap>
#include <QPoint>
#include <QRect>

class QScreen;
class QWidget;

struct VScreenGrab
{
    QPixmap picture;
    QRect geometry; // the monitor's geometry in global coordinates
};

// Grabs one monitor, never the whole virtual desktop.
VScreenGrab grabScreen(QScreen* pScreen);

// The monitor that holds the dialog; hidden at this point, its last geometry decides.
VScreenGrab grabDialogScreen(QWidget* pDialog);

// The monitor under the given global point, or the primary one when none is there.
QScreen* screenAt(const QPoint& globalPoint);
