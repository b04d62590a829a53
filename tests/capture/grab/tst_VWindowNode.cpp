// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikTest.h"

#include "grab/VWindowNode.h"
#include "platform/VPlatformBackend.h"

namespace {

VPlatformWindow window(std::uintptr_t handle, VPlatformRect rect, VPlatformRect client,
                       std::vector<VPlatformWindow> children = {},
                       std::vector<VPlatformRect> shape = {})
{
    return {handle, rect, client, "title", "Class", std::move(shape), std::move(children)};
}

// Two monitors side by side; the right one (with a 40 pixel task bar at the bottom) is grabbed.
const QRect kScreen(1280, 0, 1280, 1024);

const QList<QRect> kWorkAreas{QRect(0, 0, 1280, 1024), QRect(1280, 0, 1280, 984)};

// Front-most first: a dialog with child controls, a window reaching over from the other monitor,
// windows that are not on this one, a shape of a thousand rows, a maximised window.
std::vector<VPlatformWindow> desktop()
{
    const VPlatformWindow toolbar = window(11, {1408, 130, 384, 30}, {1408, 130, 384, 30});
    std::vector<VPlatformRect> rows;
    for (int y = 20; y < 1020; ++y)
        rows.push_back({20, y, y % 2 ? 60 : 100, 1});
    return {
        window(1, {1400, 100, 400, 300}, {1408, 130, 384, 262},
               {window(10, {1750, 360, 100, 100}, {1750, 360, 100, 100}), toolbar,
                window(12, {1408, 160, 384, 232}, {1410, 162, 380, 228},
                       {window(121, {1420, 170, 80, 24}, {1420, 170, 80, 24})}),
                toolbar, window(13, {1500, 392, 100, 8}, {1500, 392, 100, 8})}),
        window(2, {1000, 500, 600, 300}, {1000, 530, 600, 270}),
        window(3, {100, 100, 300, 200}, {100, 130, 300, 170}),
        window(4, {-32000, -32000, 160, 24}, {-32000, -32000, 160, 24}),
        window(5, {2000, 600, 200, 1200}, {2000, 630, 200, 1170}, {}, rows),
        window(7, {1300, 900, 50, 50}, {1300, 900, 50, 50}, {}, {{5, 5, 0, 10}}),
        window(6, {1276, -4, 1288, 1032}, {1280, 20, 1280, 960}),
    };
}

} // namespace

class tst_VWindowNode : public QObject
{
    Q_OBJECT

private slots:
    void findWindowAt_data();
    void findWindowAt();
    void topLevelsAndShape();
};

void tst_VWindowNode::findWindowAt_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<qint64>("handle"); // 0 the screen, -1 nothing
    QTest::addColumn<QRect>("rect");    // relative to the picture
    QTest::addColumn<bool>("client");
    const QRect dialog(120, 100, 400, 300);
    QTest::newRow("title bar, right edge: the whole window")
        << QPoint(1799, 110) << qint64(1) << dialog << false;
    QTest::newRow("child control")
        << QPoint(1500, 140) << qint64(11) << QRect(128, 130, 384, 30) << true;
    QTest::newRow("grandchild before its parent")
        << QPoint(1430, 180) << qint64(121) << QRect(140, 170, 80, 24) << true;
    QTest::newRow("child cut to its parent")
        << QPoint(1790, 390) << qint64(10) << QRect(470, 360, 50, 40) << true;
    QTest::newRow("nothing after a handle seen twice")
        << QPoint(1550, 395) << qint64(1) << dialog << false;
    QTest::newRow("client area without children")
        << QPoint(1300, 600) << qint64(2) << QRect(0, 530, 320, 270) << true;
    QTest::newRow("across two screens: cut to this one")
        << QPoint(1285, 510) << qint64(2) << QRect(0, 500, 320, 300) << false;
    QTest::newRow("shaped: bounding box cut to the work area")
        << QPoint(2025, 625) << qint64(5) << QRect(740, 620, 100, 364) << false;
    QTest::newRow("maximised: cut to the work area")
        << QPoint(1300, 10) << qint64(6) << QRect(0, 0, 1280, 984) << false;
    QTest::newRow("task bar: the screen")
        << QPoint(1300, 1000) << qint64(0) << QRect(0, 0, 1280, 1024) << true;
    QTest::newRow("another screen: nothing") << QPoint(200, 200) << qint64(-1) << QRect() << false;
}

void tst_VWindowNode::findWindowAt()
{
    QFETCH(QPoint, point);
    QFETCH(qint64, handle);
    QFETCH(QRect, rect);
    QFETCH(bool, client);
    // The picker works on a copy that outlives the tree it came from.
    VWindowNode tree;
    {
        const VWindowNode original = VWindowNode::fromWindows(desktop(), kScreen, kWorkAreas);
        tree = original;
    }
    const auto [pNode, found] = tree.findWindowAt(point);
    QCOMPARE(pNode ? qint64(pNode->handle()) : -1, handle);
    QCOMPARE(found, rect);
    QCOMPARE(pNode && pNode->isInClientArea(), client);
}

void tst_VWindowNode::topLevelsAndShape()
{
    const VWindowNode root = VWindowNode::fromWindows(desktop(), kScreen, kWorkAreas);
    std::vector<std::uintptr_t> handles;
    for (const auto& pChild : root.children())
        handles.push_back(pChild->handle());
    QCOMPARE(handles, (std::vector<std::uintptr_t>{1, 2, 5, 6}));
    QVERIFY(root.children()[3]->shapeMask().isNull());

    const QImage mask = root.children()[2]->shapeMask().toImage();
    QCOMPARE(mask.size(), QSize(100, 364));
    QCOMPARE(mask.pixelColor(90, 362), QColor(Qt::black));
    QCOMPARE(mask.pixelColor(90, 363).alpha(), 0);
    QCOMPARE(mask.pixelColor(30, 363), QColor(Qt::black));
}

TALVIK_TEST_MAIN(tst_VWindowNode)
#include "tst_VWindowNode.moc"
