// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VExampleDocument.h"

#include "graphics/VGraphicsBackgroundColor.h"
#include "graphics/VGraphicsItemEllipse.h"
#include "graphics/VGraphicsItemHighlighter.h"
#include "graphics/VGraphicsItemImage.h"
#include "graphics/VGraphicsItemLine.h"
#include "graphics/VGraphicsItemObfuscate.h"
#include "graphics/VGraphicsItemPen.h"
#include "graphics/VGraphicsItemPolygon.h"
#include "graphics/VGraphicsItemPolyline.h"
#include "graphics/VGraphicsItemRectangle.h"
#include "graphics/VGraphicsItemStepMarker.h"
#include "graphics/VGraphicsItemText.h"
#include "graphics/VGraphicsScene.h"
#include "widgets/VCanvas.h"

#include <QLinearGradient>
#include <QPainter>
#include <QtMath>

namespace {

// A stand-in for a captured window, drawn at rect of a picture of the given size.
QPixmap screenPiece(const QSize& size, const QRect& rect)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(rect.topLeft(), rect.bottomLeft());
    sky.setColorAt(0, QColor(70, 130, 200));
    sky.setColorAt(1, QColor(200, 225, 245));
    painter.fillRect(rect, sky);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 250, 250));
    const QRectF title(rect.left() + 14, rect.top() + 14, rect.width() - 28, 26);
    painter.drawRoundedRect(title, 4, 4);
    painter.setBrush(QColor(60, 160, 90));
    painter.drawEllipse(
        QRectF(rect.left() + rect.width() * 0.55, rect.top() + rect.height() * 0.45, 60, 60));
    painter.setPen(QColor(40, 40, 40));
    painter.drawText(title.adjusted(8, 0, -8, 0), Qt::AlignVCenter, QStringLiteral("Window title"));
    return pixmap;
}

void add(VGraphicsScene* scene, VGraphicsItem* item)
{
    scene->addPersistenItem(item, false);
}

} // namespace

void fillExampleDocument(VCanvas& canvas)
{
    canvas.setCanvasSize(860, 560);
    VGraphicsScene* scene = canvas.scene();
    scene->setBackground(new VGraphicsBackgroundColor(QColor(250, 250, 247)));

    // A captured area: a rectangle filled with its piece of the frozen screen, which is
    // anchored at the scene origin like the screen it comes from.
    auto* area = new VGraphicsItemRectangle;
    area->setPoint1(QVector3D(40, 70, 0));
    area->setPoint2(QVector3D(320, 260, 0));
    area->setFillImage(screenPiece(QSize(860, 560), QRect(40, 70, 280, 190)));
    area->setStrokeColor(QColor(220, 60, 50));
    area->setStrokeWidth(2);
    add(scene, area);

    auto* line = new VGraphicsItemLine;
    line->setLine(QVector3D(380, 60, 0), QVector3D(560, 170, 0));
    line->setStrokeColor(QColor(230, 120, 20));
    line->setStrokeWidth(4);
    add(scene, line);

    auto* polyline = new VGraphicsItemPolyline;
    for (const QPointF& p : {QPointF(600, 200), QPointF(650, 80), QPointF(700, 180),
                             QPointF(750, 70), QPointF(810, 190)})
        polyline->addPoint(QVector3D(p));
    polyline->setStrokeColor(QColor(40, 140, 70));
    polyline->setStrokeWidth(3);
    add(scene, polyline);

    auto* polygon = new VGraphicsItemPolygon;
    for (const QPointF& p : {QPointF(400, 300), QPointF(520, 260), QPointF(580, 380),
                             QPointF(470, 460), QPointF(380, 410)})
        polygon->addPoint(QVector3D(p));
    polygon->close();
    polygon->setStrokeColor(QColor(120, 60, 170));
    polygon->setStrokeWidth(3);
    add(scene, polygon);

    // A turned rectangle shows the transform about the boundary centre.
    auto* frame = new VGraphicsItemRectangle;
    frame->setPoint1(QVector3D(640, 290, 0));
    frame->setPoint2(QVector3D(800, 380, 0));
    frame->setStrokeColor(QColor(30, 90, 200));
    frame->setStrokeWidth(2);
    frame->setRotation_z(-12);
    add(scene, frame);

    auto* image = new VGraphicsItemImage;
    image->setImage(screenPiece(QSize(180, 120), QRect(0, 0, 180, 120)));
    image->setTranslation(QVector3D(60, 300, 0));
    add(scene, image);

    // The window's title blurred, its circle ringed and numbered.
    auto* secret = new VGraphicsItemObfuscate;
    secret->setBoundary(QRectF(54, 84, 252, 26));
    secret->setMethod(VGraphicsItemObfuscate::Blur);
    add(scene, secret);
    auto* ring = new VGraphicsItemEllipse;
    ring->setBoundary(QRectF(182, 145, 84, 84));
    ring->setStrokeColor(QColor(220, 60, 50));
    ring->setStrokeWidth(3);
    add(scene, ring);
    auto* step = new VGraphicsItemStepMarker;
    step->setPosition(QVector3D(276, 140, 0));
    step->setStrokeColor(QColor(220, 60, 50));
    add(scene, step);

    auto* scribble = new VGraphicsItemPen;
    for (int i = 0; i <= 120; ++i)
        scribble->addPoint(QVector3D(float(600 + i * 1.8), float(470 + 25 * qSin(i / 9.0)), 0));
    scribble->setStrokeColor(QColor(30, 90, 200));
    scribble->setStrokeWidth(3);
    add(scene, scribble);

    auto* text = new VGraphicsItemText;
    text->setPoint1(QVector3D(300, 490, 0));
    text->setPoint2(QVector3D(300, 490, 0));
    text->setHtml(QStringLiteral("<b>Text box</b>: double-click to edit.<br/>"
                                 "It grows with its text."));
    text->setStrokeWidth(1);
    text->setStrokeColor(QColor(90, 90, 90));
    add(scene, text);

    auto* marker = new VGraphicsItemHighlighter;
    marker->addPoint(QVector3D(306, 498, 0));
    marker->addPoint(QVector3D(356, 498, 0));
    add(scene, marker);
    // The document the example opens with is no edit to take back.
    scene->history().clear();
}
