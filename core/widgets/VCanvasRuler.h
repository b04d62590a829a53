// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TalvikCoreExport.h"

#include <QWidget>

class QPainter;
class VCanvas;
class VGraphicsView;

// A ruler along one edge of a canvas's view, in scene units, with a marker at the pointer.
class TALVIKCORE_EXPORT VCanvasRuler : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Thickness = 16;

    VCanvasRuler(VCanvas* canvas, Qt::Orientation orientation);

    int markerPosition() const { return m_nMarker; }
    // Pixels along the ruler in view coordinates; -1 shows none.
    virtual void setMarkerPosition(int position) = 0;

    // Scene distance between two labelled ticks when width scene units span pixels pixels.
    static double majorSpacing(double width, double pixels);

protected:
    struct Tick
    {
        double position;
        int from;
    };

    // One drawing for both orientations: ticks, labels, the inner edge and the marker.
    void paintEvent(QPaintEvent* event) override;

    VGraphicsView* view() const;
    // The 3-pixel strip across the ruler centred on a marker position.
    QRect markerStrip(int position) const;
    void moveMarker(int position);
    // Every tick and label position of [low, high] in scene units.
    static QList<Tick> ticks(double low, double high, double spacing);
    static QList<double> labels(double low, double high, double spacing);
    static QFont labelFont(const QFont& base);
    // Whether a label from start, length pixels long along the ruler, is whole on it: a cut
    // number at either end reads as another number.
    bool fitsAlong(int start, int length) const;

    VCanvas* m_pCanvas;
    Qt::Orientation m_orientation;
    int m_nMarker = -1;
};
