// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikMouse.h"
#include "TalvikTest.h"
#include "TalvikTestConfig.h"

#include "graphics/VGraphicsItemEllipse.h"
#include "graphics/VGraphicsItemHighlighter.h"
#include "graphics/VGraphicsItemObfuscate.h"
#include "graphics/VGraphicsItemPen.h"
#include "graphics/VGraphicsItemRectangle.h"
#include "graphics/VGraphicsItemStepMarker.h"
#include "graphics/VGraphicsLayer.h"
#include "graphics/VGraphicsScene.h"
#include "interaction/VCreatePromptEllipse.h"
#include "interaction/VCreatePromptHighlighter.h"
#include "interaction/VCreatePromptObfuscate.h"
#include "interaction/VCreatePromptPen.h"
#include "interaction/VCreatePromptStepMarker.h"
#include "widgets/VCanvas.h"
#include "widgets/VGraphicsView.h"

namespace {

enum Tool
{
    Ellipse,
    Pen,
    Highlighter,
    Obfuscate,
    StepMarker
};

VCreatePrompt* newPrompt(int tool)
{
    switch (tool) {
    case Ellipse:
        return new VCreatePromptEllipse;
    case Pen:
        return new VCreatePromptPen;
    case Highlighter:
        return new VCreatePromptHighlighter;
    case Obfuscate:
        return new VCreatePromptObfuscate;
    default:
        return new VCreatePromptStepMarker;
    }
}

// A copy rebuilt from the stored encoding of the item's own message.
template <class Item>
VGraphicsItem* throughMessage(VGraphicsItem* original)
{
    auto* source = qobject_cast<Item*>(original);
    std::string bytes;
    if (!source || !source->message().SerializeToString(&bytes))
        return nullptr;
    std::decay_t<decltype(source->message())> parsed;
    if (!parsed.ParseFromString(bytes))
        return nullptr;
    auto* copy = static_cast<Item*>(source->clone());
    copy->setMessage({});
    copy->setMessage(parsed);
    return copy;
}

// Black and white squares of 3 pixels: any averaging turns them grey.
QPixmap checkerboard()
{
    QImage image(400, 300, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, ((x / 3 + y / 3) % 2) ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    return QPixmap::fromImage(image);
}

QImage rendered(VGraphicsScene* scene)
{
    QImage image;
    scene->renderContentTo(image);
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

class tst_VCreatePromptAnnotations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void toolDrawsItsItem_data();
    void toolDrawsItsItem();
    void stepNumbersCountUpAndSurviveDeletion();

private:
    std::unique_ptr<TalvikTest::IniConfig> m_config;
};

void tst_VCreatePromptAnnotations::initTestCase()
{
    m_config = std::make_unique<TalvikTest::IniConfig>(TalvikTest::privateHome().path() +
                                                       QStringLiteral("/annotations.ini"));
    m_config->setBorderLineWidth(5);
}

void tst_VCreatePromptAnnotations::toolDrawsItsItem_data()
{
    QTest::addColumn<int>("tool");
    QTest::addColumn<QByteArray>("className");
    QTest::newRow("ellipse") << int(Ellipse) << QByteArray("VGraphicsItemEllipse");
    QTest::newRow("pen") << int(Pen) << QByteArray("VGraphicsItemPen");
    QTest::newRow("highlighter") << int(Highlighter) << QByteArray("VGraphicsItemHighlighter");
    QTest::newRow("obfuscate") << int(Obfuscate) << QByteArray("VGraphicsItemObfuscate");
    QTest::newRow("step marker") << int(StepMarker) << QByteArray("VGraphicsItemStepMarker");
}

// Over a captured picture, a user drags with the tool; the item lands in the document, shows
// in the output as it should, and survives a trip through its stored message unchanged.
void tst_VCreatePromptAnnotations::toolDrawsItsItem()
{
    QFETCH(int, tool);
    QFETCH(QByteArray, className);
    VCanvas canvas;
    canvas.resize(700, 500);
    canvas.show();
    QVERIFY(QTest::qWaitForWindowExposed(&canvas));
    VGraphicsScene* scene = canvas.scene();
    auto* picture = new VGraphicsItemRectangle;
    picture->setBoundary(QRectF(0, 0, 400, 300));
    picture->setFillImage(checkerboard());
    picture->setStrokeWidth(0);
    scene->addPersistenItem(picture, false);
    const QImage before = rendered(scene);

    const QPointF a(61, 71), b(231, 141);
    TalvikTest::Mouse mouse(canvas.view()->viewport());
    const auto at = [&canvas](const QPointF& p) { return canvas.view()->mapFromScene(p); };
    newPrompt(tool)->start(&canvas);
    mouse.press(at(a));
    for (int i = 1; i <= 100; ++i)
        mouse.move(at(a + (b - a) * (i / 100.0)));
    mouse.release(at(b));

    QCOMPARE(scene->activeLayer()->items().size(), 2);
    // Topmost first.
    VGraphicsItem* item = scene->activeLayer()->items().first();
    QCOMPARE(QByteArray(item->metaObject()->className()), className);
    QVERIFY(item->isSelected());
    if (tool == Obfuscate)
        static_cast<VGraphicsItemObfuscate*>(item)->setCellSize(9);
    const QImage after = rendered(scene);
    QCOMPARE(after.size(), before.size());
    // Where the pointer really was: view pixels are whole.
    const auto landed = [&](const QPointF& p) { return canvas.view()->mapToScene(at(p)); };
    const QPointF middle = (landed(a) + landed(b)) / 2;
    const auto pixel = [&after](const QPointF& p) { return after.pixel(p.toPoint()); };
    const QRgb stroke = item->strokeColor().rgb();

    switch (tool) {
    case Ellipse:
        QCOMPARE(pixel(QPointF(item->sceneBoundary().left(), middle.y())), stroke);
        QCOMPARE(pixel(middle), before.pixel(middle.toPoint()));
        break;
    case Pen:
        QCOMPARE(pixel(middle), stroke);
        // A straight drag of a hundred steps keeps a handful of points.
        QVERIFY2(static_cast<VGraphicsItemPen*>(item)->pointCount() <= 6,
                 QByteArray::number(static_cast<VGraphicsItemPen*>(item)->pointCount()));
        break;
    case Highlighter: {
        // Black stays black under the marker; white turns to its colour.
        int darkest = 255 * 3, yellow = 0;
        for (int dx = -6; dx <= 6; ++dx) {
            const QRgb p = pixel(middle + QPointF(dx, 0));
            darkest = qMin(darkest, qRed(p) + qGreen(p) + qBlue(p));
            yellow += qRed(p) > 220 && qGreen(p) > 180 && qBlue(p) < 120;
        }
        QVERIFY(darkest < 30);
        QVERIFY(yellow > 0);
        break;
    }
    case Obfuscate:

        // Not one pixel of the checkerboard is left inside: every block is an average.
        for (int y = int(a.y()) + 2; y < int(b.y()) - 2; ++y)
            for (int x = int(a.x()) + 2; x < int(b.x()) - 2; ++x) {
                const int grey = qGray(after.pixel(x, y));
                QVERIFY2(grey > 40 && grey < 215,
                         qPrintable(QStringLiteral("%1,%2 %3").arg(x).arg(y).arg(grey)));
            }
        break;
    case StepMarker:
        QCOMPARE(static_cast<VGraphicsItemStepMarker*>(item)->number(), 1);
        QCOMPARE(item->sceneBoundary().center(), landed(b));
        QCOMPARE(pixel(landed(b) + QPointF(0, -10)), stroke);
        break;
    }

    VGraphicsItem* copy = tool == Ellipse      ? item->clone()
                          : tool == Obfuscate  ? throughMessage<VGraphicsItemObfuscate>(item)
                          : tool == StepMarker ? throughMessage<VGraphicsItemStepMarker>(item)
                                               : throughMessage<VGraphicsItemPen>(item);
    QVERIFY(copy);
    scene->removePersistenItem(item);
    scene->addPersistenItem(copy, false);
    QCOMPARE(rendered(scene), after);
}

// Numbers count up per canvas; a deleted step leaves the others as they are.
void tst_VCreatePromptAnnotations::stepNumbersCountUpAndSurviveDeletion()
{
    VCanvas canvas;
    canvas.resize(500, 400);
    canvas.show();
    QVERIFY(QTest::qWaitForWindowExposed(&canvas));
    TalvikTest::Mouse mouse(canvas.view()->viewport());
    const auto place = [&](int x) {
        (new VCreatePromptStepMarker)->start(&canvas);
        mouse.click(QPoint(x, 100));
        QCoreApplication::processEvents();
        return static_cast<VGraphicsItemStepMarker*>(
            canvas.scene()->activeLayer()->items().first());
    };
    place(50);
    VGraphicsItemStepMarker* second = place(120);
    VGraphicsItemStepMarker* third = place(190);
    canvas.scene()->removePersistenItem(second);
    QCOMPARE(place(260)->number(), 4);
    QCOMPARE(third->number(), 3);
}

TALVIK_TEST_MAIN(tst_VCreatePromptAnnotations)
#include "tst_VCreatePromptAnnotations.moc"
