// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikProbeItem.h"
#include "TalvikTest.h"
#include "TalvikTestConfig.h"

#include "graphics/VGraphicsScene.h"
#include "widgets/VButtonBoardPenColor.h"
#include "widgets/VCanvas.h"
#include "widgets/VGraphicsView.h"
#include "widgets/VWidgetQuickEditor.h"

#include <QPropertyAnimation>
#include <QTimer>
#include <QToolButton>

#include <memory>

using TalvikTest::ProbeItem;

namespace {
struct ShownCanvas
{
    ShownCanvas()
    {
        canvas.resize(600, 450);
        canvas.show();
        editor = new VWidgetQuickEditor(&canvas);
    }

    // A persistent item whose top-right corner shows at that canvas point.
    ProbeItem* itemWithCornerAt(const QPoint& corner)
    {
        const QPointF scenePoint =
            canvas.view()->mapToScene(canvas.view()->mapFrom(&canvas, corner));
        auto* item = new ProbeItem;
        item->setRect(QRectF(scenePoint - QPointF(120, 0), QSizeF(120, 20)));
        canvas.scene()->addPersistenItem(item, false);
        return item;
    }

    QToolButton* button(const QString& text) const
    {
        for (QToolButton* b : editor->findChildren<QToolButton*>()) {
            if (b->text() == text)
                return b;
        }
        return nullptr;
    }
    QToolButton* widthButton() const { return button(QStringLiteral("Border Width")); }
    QToolButton* colorButton() const { return button(QStringLiteral("Border Color")); }

    QPoint anchor(ProbeItem* item) const
    {
        return canvas.mapFromScene(item->sceneBoundary().topRight());
    }

    VCanvas canvas;
    VWidgetQuickEditor* editor;
};

QImage iconOf(const QToolButton* button)
{
    return button->icon().pixmap(16, 16).toImage();
}

int lineThickness(const QImage& icon)
{
    int count = 0;
    for (int y = 0; y < icon.height(); ++y)
        count += icon.pixel(8, y) == qRgb(0, 0, 0) ? 1 : 0;
    return count;
}

VButtonBoard* boardOf(const QToolButton* button)
{
    return qobject_cast<VButtonBoard*>(button->menu());
}
} // namespace

class tst_VWidgetQuickEditor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void placedBesideTheItem_data();
    void placedBesideTheItem();
    void choosingRestylesTheItemAndNewItems_data();
    void choosingRestylesTheItemAndNewItems();
    void buttonsShowTheItemsValues_data();
    void buttonsShowTheItemsValues();
    void withoutAnItem_data();
    void withoutAnItem();
    void followsEditsOfItsItem();

private:
    std::unique_ptr<TalvikTest::IniConfig> m_config;
};

void tst_VWidgetQuickEditor::initTestCase()
{
    m_config = std::make_unique<TalvikTest::IniConfig>(TalvikTest::privateHome().path() +
                                                       QStringLiteral("/quick.ini"));
}

void tst_VWidgetQuickEditor::placedBesideTheItem_data()
{
    QTest::addColumn<QPoint>("corner");
    QTest::addColumn<bool>("right");
    QTest::addColumn<bool>("below");

    QTest::newRow("room all round") << QPoint(300, 100) << true << true;
    QTest::newRow("near the right edge") << QPoint(580, 100) << false << true;
    QTest::newRow("near the bottom") << QPoint(300, 420) << true << false;
    QTest::newRow("near the bottom right corner") << QPoint(580, 420) << false << false;
}

void tst_VWidgetQuickEditor::placedBesideTheItem()
{
    QFETCH(QPoint, corner);
    QFETCH(bool, right);
    QFETCH(bool, below);

    ShownCanvas shown;
    QVERIFY(QTest::qWaitForWindowExposed(&shown.canvas));
    ProbeItem* item = shown.itemWithCornerAt(corner);
    shown.editor->setItem(item);

    QVERIFY(shown.editor->isVisible());
    const QPoint a = shown.anchor(item);
    QVERIFY((a - corner).manhattanLength() <= 2);
    const QSize size = shown.editor->size();
    const QPoint expected(right ? a.x() + 3 : a.x() - 3 - size.width(),
                          below ? a.y() : a.y() - size.height());
    QCOMPARE(shown.editor->pos(), expected);
    QVERIFY(shown.canvas.rect().contains(shown.editor->geometry()));
}

void tst_VWidgetQuickEditor::choosingRestylesTheItemAndNewItems_data()
{
    QTest::addColumn<bool>("width");
    QTest::addColumn<int>("index");
    QTest::addColumn<QVariant>("value");

    QTest::newRow("width 5") << true << 4 << QVariant(5);
    QTest::newRow("no border") << true << 0 << QVariant(0);
    QTest::newRow("red") << false << 61 << QVariant(QColor(255, 0, 0));
    QTest::newRow("white") << false << 0 << QVariant(QColor(255, 255, 255));
}

void tst_VWidgetQuickEditor::choosingRestylesTheItemAndNewItems()
{
    QFETCH(bool, width);
    QFETCH(int, index);
    QFETCH(QVariant, value);

    m_config->setBorderLineWidth(1);
    m_config->setBorderLineColor(QColor(64, 64, 64));
    ShownCanvas shown;
    QVERIFY(QTest::qWaitForWindowExposed(&shown.canvas));
    ProbeItem* item = shown.itemWithCornerAt(QPoint(300, 100));
    shown.editor->setItem(item);

    QToolButton* button = width ? shown.widthButton() : shown.colorButton();
    VButtonBoard* board = boardOf(button);
    QVERIFY(board);
    bool popped = false;
    QTimer::singleShot(0, board, [&] {
        popped = board->isVisible();
        if (popped) {
            const QPoint at = board->buttonRect(index).center();
            QTest::mouseMove(board->windowHandle(), at);
            QTest::mouseClick(board->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
        }
        board->hide();
    });
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(popped);

    ProbeItem later;
    if (width) {
        QCOMPARE(int(item->strokeWidth()), value.toInt());
        QCOMPARE(int(m_config->borderLineWidth()), value.toInt());
        QCOMPARE(int(later.strokeWidth()), value.toInt());
    } else {
        const QColor color = value.value<QColor>();
        QCOMPARE(item->strokeColor(), color);
        QCOMPARE(m_config->borderLineColor(), color);
        QCOMPARE(later.strokeColor(), color);
    }
    QCOMPARE(iconOf(button), board->buttonIcon(value).toImage());
}

void tst_VWidgetQuickEditor::buttonsShowTheItemsValues_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QColor>("color");

    QTest::newRow("on the boards") << 2 << VButtonBoardPenColor::colors().at(61);
    QTest::newRow("off the boards") << 4 << QColor(12, 34, 56);
    QTest::newRow("thick, off the boards") << 9 << QColor(200, 100, 1);
}

void tst_VWidgetQuickEditor::buttonsShowTheItemsValues()
{
    QFETCH(int, width);
    QFETCH(QColor, color);

    ShownCanvas shown;
    ProbeItem* item = shown.itemWithCornerAt(QPoint(300, 100));
    item->setStrokeWidth(unsigned(width));
    item->setStrokeColor(color);
    shown.editor->setItem(item);

    const QImage widthIcon = iconOf(shown.widthButton());
    QCOMPARE(lineThickness(widthIcon), std::min(width, 14));
    const QImage colorIcon = iconOf(shown.colorButton());
    QCOMPARE(colorIcon.pixel(8, 8), color.rgb());
    QCOMPARE(colorIcon.pixel(0, 0), QColor(Qt::gray).rgb());
}

void tst_VWidgetQuickEditor::withoutAnItem_data()
{
    QTest::addColumn<bool>("deleteItem");
    QTest::newRow("unbound") << false;
    QTest::newRow("item deleted") << true;
}

void tst_VWidgetQuickEditor::withoutAnItem()
{
    QFETCH(bool, deleteItem);
    ShownCanvas shown;
    shown.editor->updatePosition();
    QVERIFY(shown.editor->isHidden());

    ProbeItem* item = shown.itemWithCornerAt(QPoint(300, 100));
    shown.editor->setItem(item);
    QVERIFY(shown.editor->isVisible());
    if (deleteItem) {
        // As the canvas does when the selection goes: hidden, item kept.
        shown.editor->hide(false);
        shown.canvas.scene()->removePersistenItem(item);
        delete item;
    } else {
        shown.editor->setItem(nullptr);
        QVERIFY(shown.editor->isHidden());
    }
    QCOMPARE(shown.editor->item(), nullptr);
    shown.editor->updatePosition();
    QVERIFY(shown.editor->isHidden());
}

void tst_VWidgetQuickEditor::followsEditsOfItsItem()
{
    ShownCanvas shown;
    QVERIFY(QTest::qWaitForWindowExposed(&shown.canvas));
    ProbeItem* item = shown.itemWithCornerAt(QPoint(300, 100));
    shown.editor->setItem(item);

    item->setStrokeWidth(3);
    QCOMPARE(lineThickness(iconOf(shown.widthButton())), 3);
    item->setRect(item->boundary().translated(-100, 50));
    const QPoint a = shown.anchor(item);
    QCOMPARE(shown.editor->pos(), a + QPoint(3, 0));

    // While hidden (a grip drag) it stays where it is; updatePosition brings it along.
    shown.editor->hide(false);
    const QPoint before = shown.editor->pos();
    item->setRect(item->boundary().translated(-50, 0));
    QCOMPARE(shown.editor->pos(), before);
    QVERIFY(shown.editor->isHidden());
    shown.editor->updatePosition();
    QCOMPARE(shown.editor->pos(), shown.anchor(item) + QPoint(3, 0));
    QVERIFY(shown.editor->isVisible());
}

TALVIK_TEST_MAIN(tst_VWidgetQuickEditor)
#include "tst_VWidgetQuickEditor.moc"
