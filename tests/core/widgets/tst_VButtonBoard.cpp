// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikTest.h"

#include "widgets/VButtonBoardPenColor.h"
#include "widgets/VButtonBoardPenStyle.h"
#include "widgets/VButtonBoardPenWidth.h"

#include <QPainter>

#include <cmath>
#include <memory>

namespace {
enum class Kind
{
    Width,
    Color,
    Sparse,
    Overlapping,
};

// The boards as the quick editor sets them up, and two of other shapes: seven buttons in three
// columns (the last row has two empty cells) and the default spacing, where neighbours share
// their edge pixel.
std::unique_ptr<VButtonBoard> makeBoard(Kind kind)
{
    std::unique_ptr<VButtonBoard> board;
    switch (kind) {
    case Kind::Width:
        board = std::make_unique<VButtonBoardPenWidth>(nullptr);
        board->setButtonData({0, 1, 2, 3, 5});
        board->setColumnCount(5);
        board->setButtonSpacing(QSize(6, 0));
        break;
    case Kind::Color: {
        board = std::make_unique<VButtonBoardPenColor>(nullptr);
        QVector<QVariant> colors;
        for (const QColor& color : VButtonBoardPenColor::colors())
            colors.append(color);
        board->setButtonData(colors);
        board->setColumnCount(10);
        board->setButtonSpacing(QSize(3, 3));
        break;
    }
    case Kind::Sparse:
        board = std::make_unique<VButtonBoardPenWidth>(nullptr);
        board->setButtonData({0, 1, 2, 3, 4, 5, 6});
        board->setColumnCount(3);
        board->setButtonSpacing(QSize(3, 3));
        break;
    case Kind::Overlapping:
        board = std::make_unique<VButtonBoardPenWidth>(nullptr);
        board->setButtonData({0, 1, 2, 3, 4, 5, 6});
        board->setColumnCount(3);
        break;
    }
    return board;
}

// HSV to 8-bit RGB by the textbook sector formula.
QRgb hsvToRgb(double h, double s, double v)
{
    const double sector = h * 6.0;
    const int i = int(std::floor(sector)) % 6;
    const double f = sector - std::floor(sector);
    const double p = v * (1 - s);
    const double q = v * (1 - s * f);
    const double t = v * (1 - s * (1 - f));
    double r = v, g = t, b = p;
    switch (i) {
    case 1:
        r = q, g = v, b = p;
        break;
    case 2:
        r = p, g = v, b = t;
        break;
    case 3:
        r = p, g = q, b = v;
        break;
    case 4:
        r = t, g = p, b = v;
        break;
    case 5:
        r = v, g = p, b = q;
        break;
    default:
        break;
    }
    return qRgb(int(std::lround(r * 255)), int(std::lround(g * 255)), int(std::lround(b * 255)));
}

QImage render(QWidget& widget)
{
    QImage image(widget.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    widget.render(&image);
    return image;
}

int blackRunInColumn(const QImage& image, int x)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        if (image.pixel(x, y) == qRgb(0, 0, 0))
            ++count;
    }
    return count;
}

const QRgb kHighlight = qRgb(194, 138, 48);
} // namespace

Q_DECLARE_METATYPE(Kind)

class tst_VButtonBoard : public QObject
{
    Q_OBJECT

private slots:
    void sizeHint_data();
    void sizeHint();
    void releaseChoosesTheButtonUnderIt_data();
    void releaseChoosesTheButtonUnderIt();
    void colours_data();
    void colours();
    void widthIcons_data();
    void widthIcons();
    void swatchAndCrossIcons();
    void iconsFollowNewValues();
    void hoveredButtonIsFramed();
};

void tst_VButtonBoard::sizeHint_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QSize>("expected");

    QTest::newRow("width board") << Kind::Width << 0 << QSize(116, 28);
    QTest::newRow("colour board") << Kind::Color << 0 << QSize(199, 142);
    QTest::newRow("partly filled last row") << Kind::Sparse << 0 << QSize(66, 66);
    QTest::newRow("shared edges") << Kind::Overlapping << 0 << QSize(58, 58);
    QTest::newRow("one column") << Kind::Overlapping << 1 << QSize(28, 118);
    QTest::newRow("column count below 1 ignored") << Kind::Overlapping << -2 << QSize(58, 58);
}

void tst_VButtonBoard::sizeHint()
{
    QFETCH(Kind, kind);
    QFETCH(int, columns);
    QFETCH(QSize, expected);
    auto board = makeBoard(kind);
    if (columns != 0)
        board->setColumnCount(columns);
    QCOMPARE(board->sizeHint(), expected);
}

void tst_VButtonBoard::releaseChoosesTheButtonUnderIt_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<int>("index"); // -1: nothing chosen

    QTest::newRow("6 pixels in: white") << Kind::Color << QPoint(6, 6) << 0;
    QTest::newRow("in the left margin") << Kind::Color << QPoint(5, 10) << -1;
    QTest::newRow("in the top margin") << Kind::Color << QPoint(10, 5) << -1;
    QTest::newRow("spacing to the right") << Kind::Color << QPoint(22, 10) << -1;
    QTest::newRow("second button") << Kind::Color << QPoint(25, 10) << 1;
    QTest::newRow("spacing below") << Kind::Color << QPoint(10, 23) << -1;
    QTest::newRow("second row") << Kind::Color << QPoint(10, 26) << 10;
    QTest::newRow("last button") << Kind::Color << QPoint(6 + 9 * 19 + 15, 6 + 6 * 19 + 15) << 69;
    QTest::newRow("right of the last column") << Kind::Color << QPoint(196, 10) << -1;
    QTest::newRow("below the last row") << Kind::Color << QPoint(10, 139) << -1;
    QTest::newRow("width 5") << Kind::Width << QPoint(6 + 4 * 22 + 8, 14) << 4;
    QTest::newRow("between widths") << Kind::Width << QPoint(6 + 16 + 2, 14) << -1;
    QTest::newRow("filled cell of the last row") << Kind::Sparse << QPoint(10, 6 + 2 * 19 + 5) << 6;
    QTest::newRow("empty cell of the last row") << Kind::Sparse << QPoint(30, 6 + 2 * 19 + 5) << -1;
    QTest::newRow("shared edge belongs to the next") << Kind::Overlapping << QPoint(21, 10) << 1;
}

void tst_VButtonBoard::releaseChoosesTheButtonUnderIt()
{
    QFETCH(Kind, kind);
    QFETCH(QPoint, pos);
    QFETCH(int, index);

    auto board = makeBoard(kind);
    board->popup(QPoint(100, 100));
    QVERIFY(board->isVisible());
    QCOMPARE(board->size(), board->sizeHint());
    QSignalSpy clicked(board.get(), &VButtonBoard::buttonClicked);
    QTest::mouseClick(board.get(), Qt::LeftButton, Qt::NoModifier, pos);
    if (index < 0) {
        QCOMPARE(clicked.count(), 0);
    } else {
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.at(0).at(0), board->buttonData().at(index));
    }
}

void tst_VButtonBoard::colours_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<double>("h");
    QTest::addColumn<double>("s");
    QTest::addColumn<double>("v");

    QTest::newRow("white") << 0 << 0.0 << 0.0 << 1.0;
    QTest::newRow("black") << 1 << 0.0 << 0.0 << 0.0;
    QTest::newRow("cream") << 2 << 0.141667 << 0.05 << 0.93;
    QTest::newRow("orange") << 9 << 0.075 << 0.72 << 0.97;
    // Shades of white and black stay grey.
    QTest::newRow("white, first shade") << 10 << 0.0 << 0.0 << 0.95;
    QTest::newRow("black, third shade") << 31 << 0.0 << 0.0 << 0.25;
    // A very pale base starts its shades at 0.1 and steps by 0.09.
    QTest::newRow("cream, first shade") << 12 << 0.141667 << 0.1 << 0.95;
    // A dark base starts from 0.45.
    QTest::newRow("navy, first shade") << 13 << 0.591667 << 0.125 << 0.45;
    QTest::newRow("navy, last shade") << 53 << 0.591667 << 0.125 + 4 * 0.75 / 3.5 << 0.05;
    // A first saturation above 0.01 is kept as it is.
    QTest::newRow("violet, first shade") << 17 << 0.741667 << 0.38 / 6 << 0.95;
    QTest::newRow("orange, fourth shade") << 49 << 0.075 << 0.12 + 3 * 0.72 / 3.5 << 0.65;
    QTest::newRow("red") << 61 << 0.0 << 1.0 << 1.0;
    QTest::newRow("yellow") << 63 << 0.166667 << 1.0 << 1.0;
    QTest::newRow("purple") << 69 << 0.761111 << 0.7 << 0.63;
}

void tst_VButtonBoard::colours()
{
    QFETCH(int, index);
    QFETCH(double, h);
    QFETCH(double, s);
    QFETCH(double, v);

    const QVector<QColor>& colors = VButtonBoardPenColor::colors();
    QCOMPARE(colors.size(), 70);
    const QColor actual = colors.at(index);
    const QRgb expected = hsvToRgb(h, s, v);
    QVERIFY2(
        std::abs(actual.red() - qRed(expected)) <= 1 &&
            std::abs(actual.green() - qGreen(expected)) <= 1 &&
            std::abs(actual.blue() - qBlue(expected)) <= 1 && actual.alpha() == 255,
        qPrintable(QStringLiteral("%1 is not %2").arg(actual.name(), QColor(expected).name())));
    // Items store 8-bit colours; one taken from the board must find its swatch again.
    QCOMPARE(QColor::fromRgba(actual.rgba()), actual);
}

void tst_VButtonBoard::widthIcons_data()
{
    QTest::addColumn<int>("width");
    QTest::newRow("1") << 1;
    QTest::newRow("2") << 2;
    QTest::newRow("3") << 3;
    QTest::newRow("5") << 5;
}

void tst_VButtonBoard::widthIcons()
{
    QFETCH(int, width);
    VButtonBoardPenWidth board(nullptr);
    const QImage icon = board.createButtonIcon(width).toImage();
    QCOMPARE(icon.size(), QSize(16, 16));
    // A line of that thickness across the middle, inside the frame.
    QCOMPARE(blackRunInColumn(icon, 8), width);
    QCOMPARE(blackRunInColumn(icon, 1), width);
    QCOMPARE(blackRunInColumn(icon, 14), width);
    QCOMPARE(icon.pixel(0, 8), kHighlight);
    QCOMPARE(icon.pixel(15, 8), kHighlight);
    QCOMPARE(icon.pixel(8, 0), kHighlight);
    QCOMPARE(icon.pixel(8, 15), kHighlight);
    QCOMPARE(qAlpha(icon.pixel(4, 2)), 0);
}

void tst_VButtonBoard::swatchAndCrossIcons()
{
    VButtonBoardPenColor board(nullptr);
    const QImage icon = board.createButtonIcon(QColor(10, 200, 30)).toImage();
    QCOMPARE(icon.size(), QSize(16, 16));
    const QRgb gray = QColor(Qt::gray).rgb();
    for (const QPoint& p : {QPoint(0, 0), QPoint(15, 0), QPoint(0, 15), QPoint(15, 15)})
        QCOMPARE(icon.pixel(p), gray);
    for (const QPoint& p : {QPoint(1, 1), QPoint(8, 8), QPoint(14, 14)})
        QCOMPARE(icon.pixel(p), qRgb(10, 200, 30));

    // No line for width 0 and no pen: a cross in the frame's colour, through the middle.
    VButtonBoardPenWidth widths(nullptr);
    VButtonBoardPenStyle styles(nullptr);
    for (const QImage& cross : {widths.createButtonIcon(0).toImage(),
                                styles.createButtonIcon(int(Qt::NoPen)).toImage()}) {
        QCOMPARE(cross.pixel(2, 2), kHighlight);
        QCOMPARE(cross.pixel(13, 2), kHighlight);
        QCOMPARE(cross.pixel(2, 13), kHighlight);
        QCOMPARE(blackRunInColumn(cross, 8), 0);
        QCOMPARE(qAlpha(cross.pixel(8, 3)), 0);
    }
}

void tst_VButtonBoard::iconsFollowNewValues()
{
    VButtonBoardPenWidth board(nullptr);
    board.setButtonData({1, 2});
    QCOMPARE(blackRunInColumn(board.buttonIconIndex(1).toImage(), 8), 2);
    board.setButtonData({3, 5});
    QCOMPARE(blackRunInColumn(board.buttonIconIndex(1).toImage(), 8), 5);
    QCOMPARE(blackRunInColumn(board.buttonIcon(3).toImage(), 8), 3);
    QVERIFY(board.buttonIconIndex(2).isNull());
}

void tst_VButtonBoard::hoveredButtonIsFramed()
{
    auto board = makeBoard(Kind::Color);
    board->popup(QPoint(50, 50));
    const QRect second = board->buttonRect(1);
    QTest::mouseMove(board.get(), second.center());
    QImage image = render(*board);
    // White just inside the button, the highlight just outside it.
    QCOMPARE(image.pixel(second.left(), second.top() + 8), qRgb(255, 255, 255));
    QCOMPARE(image.pixel(second.right(), second.top() + 8), qRgb(255, 255, 255));
    QCOMPARE(image.pixel(second.left() - 1, second.top() + 8), kHighlight);
    QCOMPARE(image.pixel(second.right() + 1, second.top() + 8), kHighlight);
    QCOMPARE(image.pixel(second.center()), qRgb(0, 0, 0));
    // The first button keeps its grey edge.
    const QRect first = board->buttonRect(0);
    QCOMPARE(image.pixel(first.right(), first.top() + 8), QColor(Qt::gray).rgb());

    // Over the spacing nothing is framed.
    QTest::mouseMove(board.get(), QPoint(second.right() + 2, second.top() + 8));
    image = render(*board);
    QCOMPARE(image.pixel(second.left(), second.top() + 8), QColor(Qt::gray).rgb());
}

TALVIK_TEST_MAIN(tst_VButtonBoard)
#include "tst_VButtonBoard.moc"
