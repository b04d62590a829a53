// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikTest.h"

#include "widgets/VShapedTrayPanel.h"

#include <QLayout>
#include <QScreen>
#include <QToolButton>

namespace {
// Records whether the panel was still on screen when a button's member ran.
class Receiver : public QObject
{
    Q_OBJECT

public:
    explicit Receiver(const QWidget* panel) : m_pPanel(panel) {}
    int calls = 0;
    bool panelVisibleDuringCall = true;

public slots:
    void run()
    {
        ++calls;
        panelVisibleDuringCall = m_pPanel->isVisible();
    }

private:
    const QWidget* m_pPanel;
};

QRect screenArea()
{
    return QGuiApplication::primaryScreen()->geometry();
}

// The middle of the run of mask pixels on one row: where the pointer's tip is, in widget
// coordinates. -1 when the row is empty or wider than a tip.
int tipOnRow(const QRegion& mask, int width, int y)
{
    int first = -1;
    int last = -1;
    for (int x = 0; x < width; ++x) {
        if (mask.contains(QPoint(x, y))) {
            if (first < 0) {
                first = x;
            }
            last = x;
        }
    }
    if (first < 0 || last - first > 12) {
        return -1;
    }
    return (first + last + 1) / 2;
}
} // namespace

class tst_VShapedTrayPanel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void buttonsHideThePanelBeforeTheirMember();
    void bubbleFacesTheIcon_data();
    void bubbleFacesTheIcon();
    void bubbleStaysOnScreenInACorner_data();
    void bubbleStaysOnScreenInACorner();
    void backgroundPicture_data();
    void backgroundPicture();

private:
    void addButtons(VShapedTrayPanel& panel, int count);
    QWidget m_owner;
};

void tst_VShapedTrayPanel::initTestCase()
{
    QVERIFY(QGuiApplication::primaryScreen());
    QVERIFY(screenArea().height() > 200);
}

void tst_VShapedTrayPanel::addButtons(VShapedTrayPanel& panel, int count)
{
    for (int i = 0; i < count; ++i) {
        panel.addButton(QIcon(), QStringLiteral("Button %1").arg(i), nullptr, nullptr);
    }
}

void tst_VShapedTrayPanel::buttonsHideThePanelBeforeTheirMember()
{
    VShapedTrayPanel panel(&m_owner);
    Receiver receiver(&panel);
    QToolButton* button = panel.addButton(QIcon(), QStringLiteral("Go"), &receiver, SLOT(run()));
    QToolButton* second = panel.addButton(QIcon(), QStringLiteral("Later"), nullptr, nullptr);
    QCOMPARE(panel.layout()->indexOf(button), 0);
    QCOMPARE(panel.layout()->indexOf(second), 1);
    QCOMPARE(button->toolTip(), QStringLiteral("Go"));
    panel.show(QRect(100, 10, 24, 24));
    QVERIFY(panel.isVisible());

    button->click();
    QCOMPARE(receiver.calls, 1);
    QVERIFY(!receiver.panelVisibleDuringCall);
    QVERIFY(panel.isHidden());
}

void tst_VShapedTrayPanel::bubbleFacesTheIcon_data()
{
    QTest::addColumn<int>("centreY");
    QTest::addColumn<bool>("below");

    const QRect area = screenArea();
    QTest::newRow("icon at the top") << area.top() + 12 << true;
    QTest::newRow("just above the middle") << area.top() + area.height() / 2 - 1 << true;
    QTest::newRow("on the middle") << area.top() + area.height() / 2 << false;
    QTest::newRow("icon at the bottom") << area.bottom() - 12 << false;
}

void tst_VShapedTrayPanel::bubbleFacesTheIcon()
{
    QFETCH(int, centreY);
    QFETCH(bool, below);

    VShapedTrayPanel panel(&m_owner);
    addButtons(panel, 4);
    const QRect area = screenArea();
    QRect icon(0, 0, 24, 24);
    icon.moveCenter(QPoint(area.center().x(), centreY));
    const QPoint m = icon.center();
    panel.show(icon);
    QVERIFY(panel.isVisible());

    QCOMPARE(panel.contentsMargins(), below ? QMargins(7, 18, 7, 6) : QMargins(7, 6, 7, 18));
    const QRect geometry = panel.geometry();
    const int w = geometry.width();
    const int h = geometry.height();
    // Four 40 px buttons, three gaps, the layout's and the bubble's margins.
    QCOMPARE(w, 4 * 40 + 3 * 3 + 2 * 3 + 7 + 7);
    QCOMPARE(h, 40 + 2 * 3 + 18 + 6);
    QCOMPARE(geometry.x(), m.x() - w / 2 + 1);
    QCOMPARE(geometry.y(), below ? m.y() + 8 : m.y() - h - 8);

    // The pointer's tip sits on the middle of the edge that faces the icon, and nothing else of
    // the bubble reaches that far out.
    const QRegion mask = panel.mask();
    QVERIFY(!mask.isEmpty());
    const int tipRow = below ? 3 : h - 4;
    QCOMPARE(tipOnRow(mask, w, tipRow), w / 2);
    // The opposite edge is straight: the body reaches across it but not beyond.
    const int farRow = below ? h - 2 : 1;
    QVERIFY(mask.contains(QPoint(w / 2, farRow)));
    QVERIFY(!mask.contains(QPoint(w / 2, below ? h : -1)));
    QVERIFY(mask.contains(QPoint(w / 2, h / 2)));
    // Rounded corners: the widget's corners are outside.
    QVERIFY(!mask.contains(QPoint(1, below ? 13 : 1)));
    QVERIFY(!mask.contains(QPoint(w - 2, below ? h - 2 : h - 15)));
    // The bubble lies wholly on the icon's side: it never covers the icon's centre.
    QVERIFY(!mask.translated(geometry.topLeft()).contains(m));
}

void tst_VShapedTrayPanel::bubbleStaysOnScreenInACorner_data()
{
    QTest::addColumn<bool>("right");

    QTest::newRow("bottom right") << true;
    QTest::newRow("bottom left") << false;
}

void tst_VShapedTrayPanel::bubbleStaysOnScreenInACorner()
{
    QFETCH(bool, right);

    VShapedTrayPanel panel(&m_owner);
    addButtons(panel, 4);
    const QRect area = screenArea();
    const QRect icon = right ? QRect(area.right() - 23, area.bottom() - 23, 24, 24)
                             : QRect(area.left() + 10, area.bottom() - 23, 24, 24);
    const QPoint m = icon.center();
    panel.show(icon);

    const QRect geometry = panel.geometry();
    QVERIFY2(area.contains(geometry), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                     .arg(geometry.x())
                                                     .arg(geometry.y())
                                                     .arg(geometry.width())
                                                     .arg(geometry.height())));
    QCOMPARE(geometry.bottom(), m.y() - 8 - 1);

    // The pointer still points at the icon, though no longer from the middle of the edge.
    const int tip = tipOnRow(panel.mask(), geometry.width(), geometry.height() - 4);
    QVERIFY(tip > 0);
    QVERIFY(tip != geometry.width() / 2);
    QVERIFY2(icon.contains(QPoint(geometry.x() + tip, icon.center().y())),
             qPrintable(QStringLiteral("%1 + %2").arg(geometry.x()).arg(tip)));
    // Its base keeps clear of the rounded corners.
    QVERIFY(tip >= 3 + 7 + 12);
    QVERIFY(tip <= geometry.width() - 3 - 7 - 12);
}

void tst_VShapedTrayPanel::backgroundPicture_data()
{
    QTest::addColumn<bool>("below");

    QTest::newRow("below the icon") << true;
    QTest::newRow("above the icon") << false;
}

void tst_VShapedTrayPanel::backgroundPicture()
{
    QFETCH(bool, below);

    VShapedTrayPanel panel(&m_owner);
    addButtons(panel, 2);
    const QRect area = screenArea();
    QRect icon(0, 0, 24, 24);
    icon.moveCenter(QPoint(area.center().x(), below ? area.top() + 12 : area.bottom() - 12));
    panel.show(icon);

    const QImage picture =
        panel.backgroundPicture().toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(picture.size(), panel.size());
    const int w = picture.width();
    const int h = picture.height();
    const int middleY = below ? (14 + h - 3) / 2 : (3 + h - 15) / 2;

    // Dark grey body.
    QCOMPARE(picture.pixel(w / 2, middleY), qRgba(50, 50, 50, 255));
    QCOMPARE(picture.pixel(w / 4, middleY), qRgba(50, 50, 50, 255));
    // White rim on both sides and on the edge away from the pointer.
    for (const QPoint& rim :
         {QPoint(3, middleY), QPoint(w - 4, middleY), QPoint(w / 2, below ? h - 4 : 3)}) {
        const QRgb pixel = picture.pixel(rim);
        QVERIFY2(
            qAlpha(pixel) == 255 && qRed(pixel) > 230 && qGreen(pixel) > 230,
            qPrintable(QStringLiteral("%1,%2: %3").arg(rim.x()).arg(rim.y()).arg(pixel, 8, 16)));
    }
    // A darker edge just outside the rim.
    const QRgb edge = picture.pixel(1, middleY);
    QVERIFY(qAlpha(edge) > 0);
    QVERIFY(qRed(edge) < 200);
    // Transparent outside the outline, where the mask cuts the window away too.
    for (const QPoint& outside : {QPoint(0, 0), QPoint(w - 1, h - 1), QPoint(0, middleY),
                                  QPoint(w / 2 - 20, below ? 3 : h - 4)}) {
        QCOMPARE(qAlpha(picture.pixel(outside)), 0);
        QVERIFY(!panel.mask().contains(outside));
    }
}

TALVIK_TEST_MAIN(tst_VShapedTrayPanel)
#include "tst_VShapedTrayPanel.moc"
