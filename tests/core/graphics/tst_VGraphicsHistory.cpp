// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikGripStage.h"
#include "TalvikTest.h"

#include "graphics/VGraphicsItemLine.h"
#include "graphics/VGraphicsItemStepMarker.h"
#include "graphics/VGraphicsItemText.h"
#include "graphics/VGraphicsLayer.h"
#include "widgets/VWidgetQuickEditor.h"

#include <QGraphicsProxyWidget>

#include <functional>

namespace {

// A page of four items, the rectangle under the line under the text under a step marker, with
// nothing to undo.
struct Page : TalvikTest::GripStage
{
    Page()
    {
        rect->setBoundary(QRectF(20, 20, 100, 60));
        line->setLine(QVector3D(200, 40, 0), QVector3D(300, 90, 0));
        text->setBoundary(QRectF(60, 150, 80, 30));
        text->setPlainText(QStringLiteral("Hello"));
        marker->setPosition(QVector3D(400, 300, 0));
        for (VGraphicsItem* item : QList<VGraphicsItem*>{rect, line, text, marker})
            scene()->addPersistenItem(item, false);
        history().clear();
    }
    VGraphicsHistory& history() const { return scene()->history(); }
    // Every item's class and messages, top of the stack first.
    QByteArray state() const
    {
        QByteArray bytes;
        for (const VGraphicsItem* item : scene()->activeLayer()->items())
            bytes += item->metaObject()->className() + item->encodedMessages();
        return bytes;
    }

    VGraphicsItemRectangle* rect = new VGraphicsItemRectangle;
    VGraphicsItemLine* line = new VGraphicsItemLine;
    VGraphicsItemText* text = new VGraphicsItemText;
    VGraphicsItemStepMarker* marker = new VGraphicsItemStepMarker;
};
using Edit = std::function<void(Page&)>;

} // namespace

Q_DECLARE_METATYPE(Edit)

class tst_VGraphicsHistory : public QObject
{
    Q_OBJECT

private slots:
    void undoAndRedoRestoreTheMessages_data();
    void undoAndRedoRestoreTheMessages();
    void aGripDragIsOneStepAndANewEditClearsRedo();
};

void tst_VGraphicsHistory::undoAndRedoRestoreTheMessages_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::newRow("move") << Edit([](Page& p) { p.rect->setCenter(QVector3D(300, 300, 0)); });
    QTest::newRow("reshape") << Edit([](Page& p) { p.line->setEndPoint(QVector3D(250, 200, 0)); });
    QTest::newRow("property browser, two items") << Edit([](Page& p) {
        p.rect->setProperty("rotation", 30.0);
        p.line->setProperty("strokeColor", QColor(Qt::green));
    });
    QTest::newRow("quick editor") << Edit([](Page& p) {
        p.rect->setSelected(true);
        QMetaObject::invokeMethod(p.canvas.quickEditor(), "borderColorSelected",
                                  Q_ARG(QVariant, QColor(Qt::red)));
    });
    QTest::newRow("typing in bursts") << Edit([](Page& p) {
        p.text->startEditing();
        QWidget* editor =
            qgraphicsitem_cast<QGraphicsProxyWidget*>(p.scene()->focusItem())->widget();
        QTest::keyClick(editor, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(editor, " wor");
        QCoreApplication::processEvents();
        QTest::keyClicks(editor, "ld");
        p.text->stopEditing();
        QCOMPARE(p.text->plainText(), QStringLiteral("Hello world"));
    });
    QTest::newRow("a field of an item's own message")
        << Edit([](Page& p) { p.marker->setNumber(7); });
    QTest::newRow("add") << Edit(
        [](Page& p) { p.scene()->addPersistenItem(new VGraphicsItemRectangle, true); });
    QTest::newRow("delete the middle one")
        << Edit([](Page& p) { p.scene()->removePersistenItem(p.line); });
}

void tst_VGraphicsHistory::undoAndRedoRestoreTheMessages()
{
    QFETCH(Edit, edit);
    Page page;
    const QByteArray before = page.state();
    edit(page);
    QCoreApplication::processEvents();
    const QByteArray after = page.state();
    QVERIFY(after != before);
    QCOMPARE(page.history().stack().count(), 1);
    // Twice: a step must survive its own replay.
    for (int round = 0; round < 2; ++round) {
        page.history().undo();
        QCOMPARE(page.state(), before);
        page.history().redo();
        QCOMPARE(page.state(), after);
    }
}

void tst_VGraphicsHistory::aGripDragIsOneStepAndANewEditClearsRedo()
{
    Page page;
    page.rect->setStrokeWidth(5);
    QCoreApplication::processEvents();
    const QByteArray styled = page.state();
    page.rect->setSelected(true);
    const QPointF from = page.grips(page.rect).last()->scenePos();
    page.hover(from);
    page.mouse.press(page.at(from));
    page.mouse.move(page.at(from + QPointF(20, 10)));
    page.mouse.move(page.at(from + QPointF(40, 30)));
    page.history().undo(); // waits for the end of the drag
    QCOMPARE(page.state(), styled);
    page.mouse.release(page.at(from + QPointF(40, 30)));
    QCoreApplication::processEvents();
    QVERIFY(page.state() != styled);
    QCOMPARE(page.history().stack().count(), 2);
    page.history().undo();
    QCOMPARE(page.state(), styled);
    QVERIFY(page.history().canRedo());
    page.line->setStrokeWidth(3);
    QVERIFY(!page.history().canRedo());
}

TALVIK_TEST_MAIN(tst_VGraphicsHistory)
#include "tst_VGraphicsHistory.moc"
