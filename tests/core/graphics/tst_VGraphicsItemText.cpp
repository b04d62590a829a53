// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikTest.h"
#include "TalvikTestConfig.h"

#include "graphics/VGraphicsItemText.h"
#include "graphics/VGraphicsLayer.h"
#include "graphics/VGraphicsScene.h"
#include "widgets/VCanvas.h"
#include "widgets/VGraphicsView.h"

#include <QGraphicsProxyWidget>
#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <QTextCursor>
#include <QTextEdit>

#include <cmath>
#include <memory>

namespace {

// The size a box takes for that text while it follows the text's width.
QSize fitted(const QString& text)
{
    QTextDocument document;
    document.setPlainText(text);
    return document.size().toSize() + QSize(1, 1);
}

QImage render(VGraphicsItemText& item)
{
    QImage image(200, 120, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.translate(QPointF(20, 20) - item.rectangle().topLeft());
    const QStyleOptionGraphicsItem option;
    item.paint(&painter, &option);
    return image;
}

bool isBlank(const QImage& image)
{
    QImage blank(image.size(), image.format());
    blank.fill(Qt::transparent);
    return image == blank;
}

bool boldAt(const QString& html, int position)
{
    QTextDocument document;
    document.setHtml(html);
    QTextCursor cursor(&document);
    cursor.setPosition(position + 1);
    return cursor.charFormat().fontWeight() >= QFont::Bold;
}

// A shown canvas with one text box in its document.
struct Board
{
    VCanvas canvas;
    VGraphicsItemText* text = new VGraphicsItemText;

    explicit Board(const QString& content = QString())
    {
        canvas.resize(640, 540);
        canvas.show();
        canvas.activateWindow();
        if (!QTest::qWaitForWindowActive(&canvas))
            qWarning("canvas not active");
        text->setPoint1(QVector3D(100, 100, 0));
        canvas.scene()->addPersistenItem(text, false);
        if (!content.isEmpty())
            text->setPlainText(content);
    }

    QTextEdit* editor() const
    {
        for (QGraphicsItem* item : canvas.scene()->items()) {
            if (auto* proxy = qgraphicsitem_cast<QGraphicsProxyWidget*>(item))
                return qobject_cast<QTextEdit*>(proxy->widget());
        }
        return nullptr;
    }

    QPoint onScreen(const QPointF& scenePoint) const
    {
        return canvas.view()->mapFromScene(scenePoint);
    }

    QWidget* viewport() const { return canvas.view()->viewport(); }

    QSizeF size() const { return text->rectangle().size(); }
};

} // namespace

class tst_VGraphicsItemText : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void newBoxGrowsWithTyping();
    void chosenWidthStays_data();
    void chosenWidthStays();
    void editingNeedsALayer();
    void mouseStartsEditing_data();
    void mouseStartsEditing();
    void focusLossStoresTheText_data();
    void focusLossStoresTheText();
    void focusReasons_data();
    void focusReasons();
    void editorCoversTransformedBox_data();
    void editorCoversTransformedBox();
    void copyShowsItsText_data();
    void copyShowsItsText();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<TalvikTest::IniConfig> m_config;
};

void tst_VGraphicsItemText::initTestCase()
{
    m_config = std::make_unique<TalvikTest::IniConfig>(m_dir.filePath("text.ini"));
    m_config->setBorderLineWidth(3);
}

// Deleting text never shrinks the box's height; its width follows the text either way.
void tst_VGraphicsItemText::newBoxGrowsWithTyping()
{
    Board board;
    QCOMPARE(board.text->width(), 0.0);
    QCOMPARE(board.text->strokeWidth(), 0u);

    board.text->startEditing();
    QTextEdit* editor = board.editor();
    QVERIFY(editor);
    QTest::keyClicks(editor, "W");
    QCOMPARE(board.size(), QSizeF(fitted("W")));
    QTest::keyClicks(editor, "ide");
    QTest::keyClick(editor, Qt::Key_Return);
    QTest::keyClicks(editor, "second");
    QCOMPARE(board.size(), QSizeF(fitted("Wide\nsecond")));
    // The editor keeps up with the box.
    QCOMPARE(editor->size(), fitted("Wide\nsecond"));

    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClicks(editor, "x");
    QCOMPARE(board.size(), QSizeF(fitted("x").width(), fitted("Wide\nsecond").height()));
}

void tst_VGraphicsItemText::chosenWidthStays_data()
{
    QTest::addColumn<double>("factor");
    QTest::newRow("narrower: the text wraps") << 0.5;
    QTest::newRow("wider") << 2.0;
}

void tst_VGraphicsItemText::chosenWidthStays()
{
    QFETCH(double, factor);
    const QString line = QStringLiteral("one two three four");
    Board board(line);
    const QSize natural = fitted(line);
    QCOMPARE(board.size(), QSizeF(natural));

    const double chosen = std::round(natural.width() * factor);
    board.text->setWidth(chosen);
    QCOMPARE(board.text->width(), chosen);
    const double height = board.size().height();
    if (factor < 1)
        QVERIFY(height > natural.height());
    else
        QCOMPARE(height, double(natural.height()));

    // Longer and more lines: only the height follows.
    board.text->setPlainText(line + " five six\nseven");
    QCOMPARE(board.text->width(), chosen);
    QVERIFY(board.size().height() > height);
}

void tst_VGraphicsItemText::editingNeedsALayer()
{
    VGraphicsScene scene;
    VGraphicsItemText text;
    text.setPlainText(QStringLiteral("Sample"));
    scene.addActiveItem(&text);
    text.startEditing();
    QCOMPARE(scene.items().size(), 1);
    scene.removeActiveItem(&text);
    text.stopEditing();
    QVERIFY(!isBlank(render(text)));
}

void tst_VGraphicsItemText::mouseStartsEditing_data()
{
    QTest::addColumn<bool>("selected");
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("editing");

    QTest::newRow("click, unselected") << false << "click" << false;
    QTest::newRow("click, selected") << true << "click" << true;
    QTest::newRow("two clicks, unselected") << false << "two clicks" << true;
    QTest::newRow("double click, unselected") << false << "double click" << true;
}

void tst_VGraphicsItemText::mouseStartsEditing()
{
    QFETCH(bool, selected);
    QFETCH(QString, action);
    QFETCH(bool, editing);

    Board board(QStringLiteral("Hello there"));
    board.text->setSelected(selected);
    // Clear of the grips of a selected box, which sit on its edges and at its centre.
    const QRectF box = board.text->sceneBoundary();
    const QPoint at = board.onScreen(QPointF(box.left() + box.width() * 0.25, box.center().y()));
    if (action == "double click") {
        QTest::mouseDClick(board.viewport(), Qt::LeftButton, {}, at);
    } else {
        QTest::mouseClick(board.viewport(), Qt::LeftButton, {}, at);
        // The first click selected the box.
        QVERIFY(board.text->isSelected());
        if (action == "two clicks")
            QTest::mouseClick(board.viewport(), Qt::LeftButton, {}, at);
    }

    QCOMPARE(board.editor() != nullptr, editing);
    if (editing) {
        QVERIFY(board.editor()->hasFocus());
        QCOMPARE(board.editor()->document()->toPlainText(), QStringLiteral("Hello there"));
        // The box paints nothing while its editor shows the text.
        QVERIFY(isBlank(render(*board.text)));
    }
}

void tst_VGraphicsItemText::focusLossStoresTheText_data()
{
    QTest::addColumn<bool>("html");
    QTest::newRow("plain text") << false;
    QTest::newRow("HTML") << true;
}

void tst_VGraphicsItemText::focusLossStoresTheText()
{
    QFETCH(bool, html);
    Board board;
    if (html)
        board.text->setHtml(QStringLiteral("<b>bold</b><br>line"));
    else
        board.text->setPlainText(QStringLiteral("bold\nline"));
    board.text->startEditing();
    QTextEdit* editor = board.editor();
    QVERIFY(editor);
    QTest::keyClicks(editor, "X");
    QCOMPARE(board.text->plainText(), html ? "<b>bold</b><br>line" : "bold\nline");

    // A click on an empty part of the canvas takes the focus away.
    QTest::mouseClick(board.viewport(), Qt::LeftButton, {}, board.onScreen({400, 400}));
    QTRY_VERIFY(!board.editor());
    QCOMPARE(board.text->isHtml(), html);
    // The format is kept, so the stored text reads back as what was shown.
    const QString text = board.text->property("text").toString();
    QTextDocument stored;
    if (html)
        stored.setHtml(text);
    else
        stored.setPlainText(text);
    QCOMPARE(stored.toPlainText(), QStringLiteral("Xbold\nline"));
    QCOMPARE(boldAt(text, 1), html);
}

void tst_VGraphicsItemText::focusReasons_data()
{
    QTest::addColumn<Qt::FocusReason>("reason");
    QTest::addColumn<bool>("editing");

    // A context menu of the editor takes the focus only while it is open.
    QTest::newRow("popup") << Qt::PopupFocusReason << true;
    QTest::newRow("mouse") << Qt::MouseFocusReason << false;
    QTest::newRow("other window") << Qt::ActiveWindowFocusReason << false;
}

// Real popups activate their window on the offscreen platform, unlike on a desktop, so the
// focus change is sent as a desktop would send it.
void tst_VGraphicsItemText::focusReasons()
{
    QFETCH(Qt::FocusReason, reason);
    QFETCH(bool, editing);

    Board board(QStringLiteral("Hello"));
    board.text->startEditing();
    QTextEdit* editor = board.editor();
    QVERIFY(editor);
    QFocusEvent out(QEvent::FocusOut, reason);
    QApplication::sendEvent(editor, &out);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(board.editor() != nullptr, editing);
}

void tst_VGraphicsItemText::editorCoversTransformedBox_data()
{
    QTest::addColumn<double>("rotation");
    QTest::addColumn<QVector3D>("scale");

    QTest::newRow("untransformed") << 0.0 << QVector3D(1, 1, 1);
    QTest::newRow("scaled") << 0.0 << QVector3D(2, 3, 1);
    QTest::newRow("rotated and scaled") << 30.0 << QVector3D(2, 2, 1);
}

void tst_VGraphicsItemText::editorCoversTransformedBox()
{
    QFETCH(double, rotation);
    QFETCH(QVector3D, scale);

    Board board(QStringLiteral("Centred\nover the box"));
    board.text->setWidth(160);
    board.text->setScale(scale);
    board.text->setRotation_z(rotation);
    board.text->startEditing();
    QTextEdit* editor = board.editor();
    QVERIFY(editor);
    const QPointF centre = board.text->sceneBoundary().center();
    const QPointF editorCentre = editor->graphicsProxyWidget()->sceneBoundingRect().center();
    QVERIFY(QLineF(centre, editorCentre).length() < 2);
}

void tst_VGraphicsItemText::copyShowsItsText_data()
{
    QTest::addColumn<bool>("html");
    QTest::addColumn<bool>("edited");

    QTest::newRow("plain text") << false << false;
    QTest::newRow("HTML") << true << false;
    QTest::newRow("HTML, edited") << true << true;
}

void tst_VGraphicsItemText::copyShowsItsText()
{
    QFETCH(bool, html);
    QFETCH(bool, edited);

    Board board;
    if (html)
        board.text->setHtml(QStringLiteral("<b>Bold</b><br>Two lines"));
    else
        board.text->setPlainText(QStringLiteral("Two\nlines"));
    if (edited) {
        board.text->startEditing();
        QVERIFY(board.editor());
        QTest::keyClicks(board.editor(), "Now ");
        board.text->stopEditing();
    }
    const std::unique_ptr<VGraphicsItem> copy(board.text->clone());
    auto* text = qobject_cast<VGraphicsItemText*>(copy.get());
    QVERIFY(text);
    QCOMPARE(text->plainText(), board.text->plainText());
    QCOMPARE(text->rectangle(), board.text->rectangle());

    // Both dynamic now, so both draw the same dotted frame.
    const std::unique_ptr<VGraphicsItemText> source(board.text);
    board.canvas.scene()->activeLayer()->removeItem(source.get());
    const QImage original = render(*source);
    QCOMPARE(render(*text), original);
    VGraphicsItemText empty;
    empty.setBoundary(source->rectangle());
    QVERIFY(render(empty) != original);
}

TALVIK_TEST_MAIN(tst_VGraphicsItemText)
#include "tst_VGraphicsItemText.moc"
