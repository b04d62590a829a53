// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikMouse.h"
#include "TalvikTest.h"
#include "TalvikTestConfig.h"

#include "graphics/VGraphicsItemLine.h"
#include "graphics/VGraphicsItemText.h"
#include "graphics/VGraphicsScene.h"
#include "widgets/VCanvas.h"
#include "widgets/VGraphicsView.h"
#include "widgets/VWidgetPropertyBrowser.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QSpinBox>
#include <QTextCursor>
#include <QTreeWidget>

namespace {

// An item with a choice among names and a level that it keeps at or above zero by refusing
// what would go below.
class TagItem : public VGraphicsItemRectangle
{
    Q_OBJECT
    Q_PROPERTY(Qt::PenStyle style MEMBER m_style)
    Q_PROPERTY(qreal level READ level WRITE setLevel)

public:
    qreal level() const { return m_level; }
    void setLevel(qreal level)
    {
        if (level >= 0)
            m_level = level;
    }

private:
    Qt::PenStyle m_style = Qt::SolidLine;
    qreal m_level = 2;
};

// A canvas with the browser beside it, as an editor shows them, and a few items.
struct Editor
{
    Editor()
    {
        auto* layout = new QHBoxLayout(&window);
        layout->addWidget(canvas);
        layout->addWidget(browser);
        window.resize(1100, 640);
        r1->setPoint1({100, 100, 0});
        r1->setPoint2({200, 160, 0});
        r1->setOpacity(0.5);
        r2->setPoint1({300, 100, 0});
        r2->setPoint2({400, 180, 0});
        r2->setOpacity(0.8);
        line->setLine({50, 300, 0}, {250, 350, 0});
        text->setPoint1({300, 300, 0});
        text->setPoint2({300, 300, 0});
        text->setHtml(QStringLiteral("<b>bold</b> words"));
        tag->setPoint1({500, 300, 0});
        tag->setPoint2({550, 350, 0});
        for (VGraphicsItem* item : std::initializer_list<VGraphicsItem*>{r1, r2, line, text, tag})
            canvas->scene()->addPersistenItem(item, false);
        window.show();
        // No window manager activates it on a bare X server.
        window.activateWindow();
    }
    void select(const QString& names)
    {
        const QMap<QString, VGraphicsItem*> all{
            {"r1", r1}, {"r2", r2}, {"line", line}, {"text", text}, {"tag", tag}};
        for (const QString& name : names.split(' ', Qt::SkipEmptyParts))
            all.value(name)->setSelected(true);
    }
    QTreeWidget* tree() const { return browser->findChild<QTreeWidget*>(); }
    // A row by its path, "position" or "position/X".
    QTreeWidgetItem* row(const QString& path) const
    {
        const QStringList names = path.split('/');
        for (QTreeWidgetItem* item :
             tree()->findItems(names.last(), Qt::MatchExactly | Qt::MatchRecursive))
            if (names.size() == 1 || (item->parent() && item->parent()->text(0) == names.first()))
                return item;
        return nullptr;
    }
    QStringList rows() const
    {
        QStringList names;
        for (int i = 0; i < tree()->topLevelItemCount(); ++i)
            names.append(tree()->topLevelItem(i)->text(0));
        return names;
    }
    // Clicks the value cell, as a user opens its editor.
    QWidget* edit(const QString& path) const
    {
        QTreeWidgetItem* item = row(path);
        if (!item)
            return nullptr;
        if (item->parent())
            item->parent()->setExpanded(true);
        const QPoint at(tree()->header()->sectionViewportPosition(1) + 20,
                        tree()->visualItemRect(item).center().y());
        QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, at);
        return editor();
    }
    QWidget* editor() const
    {
        for (QWidget* w : tree()->viewport()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (w->isVisible())
                return w;
        return nullptr;
    }

    QWidget window;
    VCanvas* canvas = new VCanvas;
    VWidgetPropertyBrowser* browser = new VWidgetPropertyBrowser(nullptr, canvas);
    VGraphicsItemRectangle* r1 = new VGraphicsItemRectangle;
    VGraphicsItemRectangle* r2 = new VGraphicsItemRectangle;
    VGraphicsItemLine* line = new VGraphicsItemLine;
    VGraphicsItemText* text = new VGraphicsItemText;
    TagItem* tag = new TagItem;
};

QString plainTextOf(const VGraphicsItemText* text)
{
    QTextDocument document;
    document.setHtml(text->plainText());
    return document.toPlainText();
}

} // namespace

class tst_VWidgetPropertyBrowser : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void showsTheCommonProperties_data();
    void showsTheCommonProperties();
    void typedValuesReachEverySelectedItem_data();
    void typedValuesReachEverySelectedItem();
    void tabMovesOnAndExpansionIsRemembered();
    void deletingWhileEditingClosesTheEditor();

private:
    std::unique_ptr<TalvikTest::IniConfig> m_config;
};

void tst_VWidgetPropertyBrowser::initTestCase()
{
    m_config = std::make_unique<TalvikTest::IniConfig>(TalvikTest::privateHome().path() +
                                                       QStringLiteral("/property-browser.ini"));
}

void tst_VWidgetPropertyBrowser::showsTheCommonProperties_data()
{
    QTest::addColumn<QString>("selection");
    QTest::addColumn<QStringList>("rows");
    const QStringList common{"position", "scale",       "rotation",
                             "opacity",  "strokeWidth", "strokeColor"};
    QTest::newRow("rectangle") << "r1" << common + QStringList{"width", "height"};
    QTest::newRow("rectangle and line") << "r1 line" << common;
    QTest::newRow("text") << "text" << common + QStringList{"width", "height", "text"};
    QTest::newRow("nothing") << "" << QStringList();
}

void tst_VWidgetPropertyBrowser::showsTheCommonProperties()
{
    QFETCH(QString, selection);
    QFETCH(QStringList, rows);
    Editor editor;
    editor.select(selection);
    QCOMPARE(editor.rows(), rows);
}

void tst_VWidgetPropertyBrowser::typedValuesReachEverySelectedItem_data()
{
    QTest::addColumn<QString>("selection");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::addColumn<QVariant>("expected");
    QTest::addColumn<QString>("after");
    const auto row = [](const char* name, const QString& selection, const QString& path,
                        const QString& before, const QString& typed, const QVariant& expected,
                        const QString& after, int key = Qt::Key_Return) {
        QTest::newRow(name) << selection << path << before << typed << key << expected << after;
    };
    const QString position = "(150.00, 130.00)";
    const QVariant unmoved = QVector3D(150, 130, 0);

    // clang-format off
    row("various opacity set on both", "r1 r2", "opacity", "*VARIOUS*", "1", 1.0, "1.00");
    row("opacity 7 never written", "r1", "opacity", "0.50", "7", 0.5, "0.50");
    row("Escape takes the edit back", "r1", "opacity", "0.50", "0.25", 0.5, "0.50",
        Qt::Key_Escape);
    row("no negative stroke width", "r1 r2", "strokeWidth", "1", "-3", 3u, "3");
    row("position from text", "r1", "position", position, "x=5, y=-7.5",
        QVector3D(5, -7.5, 0), "(5.00, -7.50)");
    row("one number changes nothing", "r1", "position", position, "5", unmoved, position);
    row("no number changes nothing", "r1", "position", position, "nan, inf", unmoved, position);
    row("digits beyond a double", "r1", "position", position, QString(400, '9') + ", 1",
        unmoved, position);
    row("huge scale is clamped", "r1 line", "scale", "(1.00, 1.00)", "1000000000, 1",
        QVector3D(100, 1, 1), "(100.00, 1.00)");
    row("X of the position", "r1", "position/X", "150.00", "20", QVector3D(20, 130, 0), "20.00");
    row("various position typed", "r1 r2", "position", "*VARIOUS*", "1 2", QVector3D(1, 2, 0),
        "(1.00, 2.00)");
    row("colour", "r1 line", "strokeColor", "#ff0000", "#00ff00", QColor(0, 255, 0), "#00ff00");
    row("no colour refused", "r1", "strokeColor", "#ff0000", "nocolour", QColor(255, 0, 0),
        "#ff0000");
    row("rich text as plain text", "text", "text", "bold words", "new words", "new words",
        "new words");
    row("enumeration", "tag", "style", "SolidLine", "<Down>", QVariant::fromValue(Qt::DashLine),
        "DashLine");
    row("refused by the item", "tag", "level", "2.00", "-5", 2.0, "2.00");
    // clang-format on
}

void tst_VWidgetPropertyBrowser::typedValuesReachEverySelectedItem()
{
    QFETCH(QString, selection);
    QFETCH(QString, path);
    QFETCH(QString, before);
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(QVariant, expected);
    QFETCH(QString, after);
    Editor editor;
    for (VGraphicsItem* item :
         std::initializer_list<VGraphicsItem*>{editor.r1, editor.r2, editor.line})
        item->setStrokeColor(Qt::red);
    QVERIFY(QTest::qWaitForWindowActive(&editor.window));
    editor.select(selection);
    QVERIFY(editor.row(path));
    QCOMPARE(editor.row(path)->text(1), before);

    QWidget* field = editor.edit(path);
    QVERIFY(field);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    if (typed == "<Down>")
        QTest::keyClick(field, Qt::Key_Down);
    else
        QTest::keyClicks(field, typed);
    QTest::keyClick(field, Qt::Key(key));
    QTRY_VERIFY(!editor.editor());

    const QString name = path.section('/', 0, 0);
    for (VGraphicsItem* item : editor.canvas->selection()) {
        const QVariant value = item == editor.text ? QVariant(plainTextOf(editor.text))
                                                   : item->property(name.toLatin1());
        QCOMPARE(value, expected);
    }
    QCOMPARE(editor.row(path)->text(1), after);
    if (selection == "text") {
        // The format of the replaced text stays.
        QVERIFY(editor.text->isHtml());
        QTextDocument document;
        document.setHtml(editor.text->plainText());
        QTextCursor cursor(&document);
        cursor.movePosition(QTextCursor::NextCharacter);
        QCOMPARE(cursor.charFormat().fontWeight(), int(QFont::Bold));
    }
}

void tst_VWidgetPropertyBrowser::tabMovesOnAndExpansionIsRemembered()
{
    Editor editor;
    QVERIFY(QTest::qWaitForWindowActive(&editor.window));
    // Selected by a click on its outline.
    TalvikTest::Mouse(editor.canvas->view()->viewport())
        .click(editor.canvas->view()->mapFromScene(QPointF(150, 100)));
    QCOMPARE(editor.browser->items(), QList<VGraphicsItem*>{editor.r1});

    QWidget* field = editor.edit("opacity");
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, "0.25");
    QTest::keyClick(field, Qt::Key_Tab);
    QCOMPARE(editor.r1->opacity(), 0.25);
    QTRY_VERIFY(qobject_cast<QSpinBox*>(editor.editor()));
    QCOMPARE(editor.tree()->currentItem()->text(0), "strokeWidth");
    QTest::keyClick(editor.editor(), Qt::Key_Escape);

    editor.row("position")->setExpanded(true);
    editor.r1->setSelected(false);
    editor.select("r2");
    QVERIFY(editor.row("position")->isExpanded());
    QVERIFY(!editor.row("scale")->isExpanded());
    // An item that left the selection no longer reaches the browser.
    editor.r1->setOpacity(0.1);
    QCOMPARE(editor.row("opacity")->text(1), "0.80");
    editor.r2->setOpacity(0.3);
    QCOMPARE(editor.row("opacity")->text(1), "0.30");
}

void tst_VWidgetPropertyBrowser::deletingWhileEditingClosesTheEditor()
{
    Editor editor;
    QVERIFY(QTest::qWaitForWindowActive(&editor.window));
    editor.select("r1 r2");
    QWidget* field = editor.edit("opacity");
    QVERIFY(field);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, "0.3");
    editor.canvas->scene()->removePersistenItem(editor.r1);
    QTRY_VERIFY(!editor.editor());
    // The text typed for both reaches neither the deleted item nor the one left.
    QCOMPARE(float(editor.r2->opacity()), 0.8f);
    QCOMPARE(editor.row("opacity")->text(1), "0.80");
    editor.canvas->scene()->removePersistenItem(editor.r2);
    QTRY_VERIFY(editor.rows().isEmpty());
}

TALVIK_TEST_MAIN(tst_VWidgetPropertyBrowser)
#include "tst_VWidgetPropertyBrowser.moc"
