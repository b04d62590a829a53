// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikTest.h"

#include "graphics/VGraphicsItemText.h"
#include "graphics/VGraphicsScene.h"
#include "interaction/VCreatePromptRectangle.h"
#include "interaction/VCursor.h"
#include "widgets/VCanvas.h"
#include "widgets/VGraphicsView.h"

#include <QAbstractTextDocumentLayout>
#include <QGraphicsProxyWidget>
#include <QProcess>
#include <QTextEdit>

namespace {

// Input through the X server, as a hand gives it: a double click comes as two presses and
// releases, keys come one at a time while the program runs on.
bool xdotool(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    while (!process.waitForFinished(10))
        QCoreApplication::processEvents();
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

QTextEdit* editorOf(const VGraphicsScene* scene)
{
    for (QGraphicsItem* item : scene->items()) {
        if (auto* proxy = qgraphicsitem_cast<QGraphicsProxyWidget*>(item))
            return qobject_cast<QTextEdit*>(proxy->widget());
    }
    return nullptr;
}

} // namespace

class tst_VGraphicsItemTextX11 : public QObject
{
    Q_OBJECT

private slots:
    void doubleClickTypesWhereClicked_data();
    void doubleClickTypesWhereClicked();
};

void tst_VGraphicsItemTextX11::doubleClickTypesWhereClicked_data()
{
    QTest::addColumn<double>("across");
    // The first click selects the box and puts its move grip at the centre, under the second.
    QTest::newRow("on the centre") << 0.5;
    QTest::newRow("left of the centre") << 0.3;
}

// Into an unselected box: every key arrives at the clicked place, and while they are typed
// nothing of the editing machinery sits over the letters; afterwards the grips are back.
void tst_VGraphicsItemTextX11::doubleClickTypesWhereClicked()
{
    QFETCH(double, across);
    VCanvas canvas;
    canvas.setGeometry(40, 40, 640, 480);
    canvas.show();
    canvas.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&canvas));
    const QString original = QStringLiteral("Hello there, world");
    auto* text = new VGraphicsItemText;
    text->setPoint1(QVector3D(100, 100, 0));
    canvas.scene()->addPersistenItem(text, false);
    text->setPlainText(original);

    // The box fits its one line, so the line's own layout tells the character under a point.
    const QRectF box = text->sceneBoundary();
    const QPointF click(box.left() + box.width() * across, box.center().y());
    QTextDocument line;
    line.setPlainText(original);
    const int expected = line.documentLayout()->hitTest(click - box.topLeft(), Qt::FuzzyHit);
    const QPoint at = canvas.view()->viewport()->mapToGlobal(canvas.view()->mapFromScene(click));
    QVERIFY(xdotool({"mousemove", "--sync", QString::number(at.x()), QString::number(at.y())}));
    // The clicks go where the canvas has seen the pointer arrive.
    QTRY_VERIFY(canvas.view()->viewport()->underMouse());
    QVERIFY(xdotool({"click", "--repeat", "2", "--delay", "80", "1"}));
    QTRY_VERIFY(editorOf(canvas.scene()));
    QVERIFY(xdotool({"type", "--delay", "30", "<typed>"}));

    QTextEdit* editor = editorOf(canvas.scene());
    QTRY_COMPARE(editor->toPlainText().size(), original.size() + 7);
    const int index = editor->toPlainText().indexOf(QStringLiteral("<typed>"));
    QCOMPARE(QString(editor->toPlainText()).remove(index, 7), original);
    QVERIFY2(qAbs(index - expected) <= 1, qPrintable(QString::number(index)));
    QCOMPARE(editor->textCursor().position(), index + 7);
    QVERIFY(canvas.scene()->gripManager().grips(text).isEmpty());
    QVERIFY(!canvas.scene()->cursor()->hasGraphics());
    QVERIFY(canvas.scene()->snapLines().isEmpty());

    // Taking up a tool ends the editing, or the tool would take the keys meant for the text.
    (new VCreatePromptRectangle)->start(&canvas);
    QVERIFY(!text->isEditing());
    QTRY_COMPARE(canvas.scene()->gripManager().grips(text).size(), 9);
    QCOMPARE(text->plainText().size(), original.size() + 7);
}

TALVIK_TEST_MAIN(tst_VGraphicsItemTextX11)
#include "tst_VGraphicsItemTextX11.moc"
