#include "TalvikGripStage.h"
#include "TalvikTest.h"
#include "TalvikTestConfig.h"

#include "graphics/VGraphicsItemLine.h"
#include "graphics/VGraphicsItemText.h"
#include "graphics/VGraphicsLayer.h"
#include "widgets/VWidgetQuickEditor.h"

#include <QGraphicsProxyWidget>

using TalvikTest::GripStage;

namespace {

enum Edit
{
    Move,
    Reshape,
    RestyleTwo,
    QuickEditor,
    Typing,
    Add,
    Delete,
    DeleteTwo
};

// A page of three items, the rectangle under the line under the text, with nothing to undo.
struct Page : GripStage
{
    Page()
    {
        rect->setBoundary(QRectF(20, 20, 100, 60));
        line->setLine(QVector3D(200, 40, 0), QVector3D(300, 90, 0));
        text->setBoundary(QRectF(60, 150, 80, 30));
        text->setPlainText(QStringLiteral("Hello"));
        for (VGraphicsItem* item : QList<VGraphicsItem*>{rect, line, text})
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
};

} // namespace

class tst_VGraphicsHistory : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void undoAndRedoRestoreTheMessages_data();
    void undoAndRedoRestoreTheMessages();
    void aGripDragIsOneStepAndUndoWaitsForItsEnd();
    void aNewEditClearsRedoAndOldStepsGo();

private:
    std::unique_ptr<TalvikTest::IniConfig> m_config;
};

void tst_VGraphicsHistory::initTestCase()
{
    m_config = std::make_unique<TalvikTest::IniConfig>(TalvikTest::privateHome().path() +
                                                       QStringLiteral("/history.ini"));
}

void tst_VGraphicsHistory::undoAndRedoRestoreTheMessages_data()
{
    QTest::addColumn<int>("edit");
    QTest::newRow("move") << int(Move);
    QTest::newRow("reshape") << int(Reshape);
    QTest::newRow("restyle of two selected items") << int(RestyleTwo);
    QTest::newRow("quick editor") << int(QuickEditor);
    QTest::newRow("typing in bursts") << int(Typing);
    QTest::newRow("add") << int(Add);
    QTest::newRow("delete the middle one") << int(Delete);
    QTest::newRow("delete two") << int(DeleteTwo);
}

void tst_VGraphicsHistory::undoAndRedoRestoreTheMessages()
{
    QFETCH(int, edit);
    Page page;
    const QByteArray before = page.state();
    switch (Edit(edit)) {
    case Move:
        page.rect->setCenter(QVector3D(300, 300, 0));
        break;
    case Reshape:
        page.line->setEndPoint(QVector3D(250, 200, 0));
        break;
    case RestyleTwo:
        for (VGraphicsItem* item : QList<VGraphicsItem*>{page.rect, page.line}) {
            item->setProperty("rotation", 30.0);
            item->setProperty("strokeColor", QColor(Qt::green));
        }
        break;
    case QuickEditor:
        page.rect->setSelected(true);
        QVERIFY(QMetaObject::invokeMethod(page.canvas.quickEditor(), "borderColorSelected",
                                          Q_ARG(QVariant, QColor(Qt::red))));
        break;
    case Typing: {
        page.text->startEditing();
        auto* proxy = qgraphicsitem_cast<QGraphicsProxyWidget*>(page.scene()->focusItem());
        QVERIFY(proxy);
        QTest::keyClick(proxy->widget(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(proxy->widget(), " wor");
        QCoreApplication::processEvents();
        QTest::keyClicks(proxy->widget(), "ld");
        page.text->stopEditing();
        QCOMPARE(page.text->plainText(), QStringLiteral("Hello world"));
        break;
    }
    case Add:
        page.scene()->addPersistenItem(new VGraphicsItemRectangle, true);
        break;
    case Delete:
        page.scene()->removePersistenItem(page.line);
        break;
    case DeleteTwo:
        page.scene()->removePersistenItem(page.rect);
        page.scene()->removePersistenItem(page.text);
        break;
    }
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

void tst_VGraphicsHistory::aGripDragIsOneStepAndUndoWaitsForItsEnd()
{
    Page page;
    page.rect->setStrokeWidth(5);
    QCoreApplication::processEvents();
    const QByteArray styled = page.state();
    page.rect->setSelected(true);
    VGrip* grip = page.grips(page.rect).last();
    const QPointF from = grip->scenePos();
    page.hover(from);
    page.mouse.press(page.at(from));
    page.mouse.move(page.at(from + QPointF(20, 10)));
    page.mouse.move(page.at(from + QPointF(40, 30)));
    page.history().undo();
    QCOMPARE(page.state(), styled);
    page.mouse.release(page.at(from + QPointF(40, 30)));
    QCoreApplication::processEvents();
    QVERIFY(page.state() != styled);
    QCOMPARE(page.history().stack().count(), 2);
    page.history().undo();
    QCOMPARE(page.state(), styled);
}

void tst_VGraphicsHistory::aNewEditClearsRedoAndOldStepsGo()
{
    Page page;
    QSignalSpy canRedo(&page.history(), &VGraphicsHistory::canRedoChanged);
    page.rect->setStrokeWidth(7);
    page.history().undo();
    QVERIFY(page.history().canRedo());
    page.line->setStrokeWidth(3);
    QVERIFY(!page.history().canRedo());
    QCOMPARE(canRedo.count(), 2);
    for (unsigned width = 10; width < 10 + VGraphicsHistory::StepLimit + 5; ++width) {
        page.rect->setStrokeWidth(width);
        page.history().closeStep();
    }
    QCOMPARE(page.history().stack().count(), VGraphicsHistory::StepLimit);
}

TALVIK_TEST_MAIN(tst_VGraphicsHistory)
#include "tst_VGraphicsHistory.moc"
