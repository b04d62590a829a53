// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QImage>
#include <QObject>
#include <QPixmap>
#include <QRandomGenerator>

namespace TalvikBench {

// Counts the paints a widget really receives, so a path that paints nothing cannot look fast.
class PaintCounter : public QObject
{
public:
    int paints = 0;

    // Runs the event loop until the watched widget has painted what was asked of it.
    void settle()
    {
        const int before = paints;
        QElapsedTimer timer;
        timer.start();
        while (paints == before && timer.elapsed() < 200)
            QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

// A picture no cache or compressor can shortcut.
inline QPixmap noisePicture(int width, int height, quint32 seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = random.generate() | 0xff000000u;
    }
    return QPixmap::fromImage(image);
}

} // namespace TalvikBench
