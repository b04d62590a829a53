// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikTest.h"

#include "foundation/autorun/VAutoRun.h"
#include "foundation/VConstants.h"
#include "foundation/VHotkey.h"
#include "foundation/VKeyValue.h"
#include "foundation/VUtility.h"

#include <QPainter>
#include <QTimer>

using namespace VUtility;

class tst_VUtility : public QObject
{
    Q_OBJECT

private slots:
    void timeVariables_data();
    void timeVariables();
    void targetFormatNames_data();
    void targetFormatNames();
    void fullPathCreatesFoldersAndAvoidsCollisions();
    void fullPathSeparators_data();
    void fullPathSeparators();
    void invalidFileNameCharacters_data();
    void invalidFileNameCharacters();
    void autoRunWritesOnceAndRemoves();
    void autoRunCommandIsQuoted();
    void inheritance_data();
    void inheritance();
    void lineHitArea_data();
    void lineHitArea();
    void bestPosition_data();
    void bestPosition();
    void cornersAndMidPoints();
    void perpendicularFollowsTheItemPlane_data();
    void perpendicularFollowsTheItemPlane();
    void painterAliasTransform_data();
    void painterAliasTransform();
    void painterAliasKeepsThinLinesSharp();
    void hotkeyText_data();
    void hotkeyText();
    void keyValueEquality_data();
    void keyValueEquality();
    void axes();
};

void tst_VUtility::timeVariables_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<QString>("expected");
    const QDateTime may7(QDate(2010, 5, 7), QTime(9, 5, 3));
    QTest::newRow("default template") << "Snap-Y-M-D-h-m-s" << may7 << "Snap-2010-05-07-09-05-03";
    QTest::newRow("no time letters") << "Capture_ABC" << may7 << "Capture_ABC";
    QTest::newRow("case-sensitive") << "y-H-d-S" << may7 << "y-H-d-S";
    QTest::newRow("every occurrence") << "YY" << may7 << "20102010";
    QTest::newRow("letters in free text") << "shot" << may7 << "0309ot";
    QTest::newRow("sub-folder") << "YM" << may7 << "201005";
    QTest::newRow("early year padded")
        << "Y" << QDateTime(QDate(987, 12, 31), QTime(23, 59, 58)) << "0987";
    QTest::newRow("end of day") << "D.h.m.s" << QDateTime(QDate(2024, 12, 31), QTime(23, 59, 58))
                                << "31.23.59.58";
    QTest::newRow("empty") << "" << may7 << "";
}

void tst_VUtility::timeVariables()
{
    QFETCH(QString, format);
    QFETCH(QDateTime, moment);
    QFETCH(QString, expected);
    QCOMPARE(convertTimeVariables(format, moment), expected);
}

void tst_VUtility::targetFormatNames_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("expected");
    QTest::newRow("png") << 0 << "png";
    QTest::newRow("jpg") << 1 << "jpg";
    QTest::newRow("bmp") << 2 << "bmp";
    QTest::newRow("3") << 3 << "";
    QTest::newRow("-1") << -1 << "";
}

void tst_VUtility::targetFormatNames()
{
    QFETCH(int, format);
    QFETCH(QString, expected);
    QCOMPARE(TargetFormatToString(format), expected);
}

void tst_VUtility::fullPathCreatesFoldersAndAvoidsCollisions()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("deep/er"));
    const QString first =
        makeFullPath(folder, QStringLiteral("201005"), QStringLiteral("a"), QStringLiteral("png"));
    QCOMPARE(first, folder + QStringLiteral("/201005/a.png"));
    QVERIFY(QFileInfo(folder + QStringLiteral("/201005")).isDir());

    const auto touch = [](const QString& path) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    };
    touch(first);
    const QString second =
        makeFullPath(folder, QStringLiteral("201005"), QStringLiteral("a"), QStringLiteral("png"));
    QCOMPARE(second, folder + QStringLiteral("/201005/a[1].png"));
    touch(second);
    QCOMPARE(
        makeFullPath(folder, QStringLiteral("201005"), QStringLiteral("a"), QStringLiteral("png")),
        folder + QStringLiteral("/201005/a[2].png"));
    // Another extension does not collide.
    QCOMPARE(
        makeFullPath(folder, QStringLiteral("201005"), QStringLiteral("a"), QStringLiteral("jpg")),
        folder + QStringLiteral("/201005/a.jpg"));
}

void tst_VUtility::fullPathSeparators_data()
{
    QTest::addColumn<QString>("folderSuffix");
    QTest::addColumn<QString>("subFolder");
    QTest::addColumn<QString>("expectedSuffix");
    QTest::newRow("no sub-folder") << "/shots"
                                   << ""
                                   << "/shots/n.png";
    QTest::newRow("folder ends with separator") << "/shots/"
                                                << ""
                                                << "/shots/n.png";
    QTest::newRow("sub-folder") << "/shots"
                                << "YM"
                                << "/shots/YM/n.png";
}

void tst_VUtility::fullPathSeparators()
{
    QFETCH(QString, folderSuffix);
    QFETCH(QString, subFolder);
    QFETCH(QString, expectedSuffix);
    QTemporaryDir dir;
    const QString root = QDir::toNativeSeparators(dir.path());
    QCOMPARE(makeFullPath(dir.path() + folderSuffix, subFolder, QStringLiteral("n"),
                          QStringLiteral("png")),
             root + QDir::toNativeSeparators(expectedSuffix));
}

void tst_VUtility::invalidFileNameCharacters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("removed");
    QTest::newRow("clean") << "Snap-2010 05"
                           << "Snap-2010 05" << false;
    QTest::newRow("colon and question mark") << "a:b?c"
                                             << "abc" << true;
    QTest::newRow("all nine") << "*?:<>/|\\\""
                              << "" << true;
    QTest::newRow("repeated") << "a//b||c"
                              << "abc" << true;
    QTest::newRow("empty") << ""
                           << "" << false;
}

void tst_VUtility::invalidFileNameCharacters()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QFETCH(bool, removed);
    QCOMPARE(removeFileNameInvalidChar(text), removed);
    QCOMPARE(text, expected);
}

void tst_VUtility::autoRunWritesOnceAndRemoves()
{
    const QString entry = VAutoRun::location(QCoreApplication::applicationName());
    QFile::remove(entry);

    setAutoRun(false);
    QVERIFY(!QFile::exists(entry));

    setAutoRun(true);
    QVERIFY(QFile::exists(entry));
    const QDateTime old(QDate(2001, 1, 1), QTime(0, 0));
    {
        QFile file(entry);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(old, QFileDevice::FileModificationTime));
    }
    // Already right: left alone.
    setAutoRun(true);
    QCOMPARE(QFileInfo(entry).lastModified(), old);

    // Different: written again.
    {
        QFile file(entry);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("[Desktop Entry]\nExec=/somewhere/else\n");
    }
    setAutoRun(true);
    QFile file(entry);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY(text.contains("Exec=" +
                          VAutoRun::command(QCoreApplication::applicationFilePath()).toUtf8()));
    QVERIFY(!text.contains("/somewhere/else"));

    setAutoRun(false);
    QVERIFY(!QFile::exists(entry));
}

void tst_VUtility::autoRunCommandIsQuoted()
{
    QCOMPARE(VAutoRun::command(QStringLiteral("/opt/talvik/TalvikCapture")),
             QStringLiteral("\"/opt/talvik/TalvikCapture\" /autorun"));
    // Quotes and dollars are escaped inside the quoted argument, and the value escapes the
    // escaping backslashes once more.
    QCOMPARE(VAutoRun::command(QStringLiteral("/opt/my \"app\"/$x")),
             QStringLiteral("\"/opt/my \\\\\"app\\\\\"/\\\\$x\" /autorun"));
}

void tst_VUtility::inheritance_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<bool>("expected");
    QTest::newRow("itself") << "QTimer" << true;
    QTest::newRow("base") << "QObject" << true;
    QTest::newRow("unrelated") << "QWidget" << false;
    QTest::newRow("exact comparison") << "qobject" << false;
}

void tst_VUtility::inheritance()
{
    QFETCH(QString, className);
    QFETCH(bool, expected);
    QCOMPARE(isInherits(&QTimer::staticMetaObject, className), expected);
    QVERIFY(!isInherits(nullptr, className));
}

void tst_VUtility::lineHitArea_data()
{
    QTest::addColumn<QLineF>("line");
    QTest::addColumn<double>("width");
    QTest::addColumn<QPolygonF>("expected");
    QTest::newRow("horizontal, width 2")
        << QLineF(0, 0, 10, 0) << 2.0 << QPolygonF({{0, -4}, {0, 4}, {10, 4}, {10, -4}, {0, -4}});
    QTest::newRow("diagonal, width 0")
        << QLineF(0, 0, 3, 4) << 0.0
        << QPolygonF({{2.4, -1.8}, {-2.4, 1.8}, {0.6, 5.8}, {5.4, 2.2}, {2.4, -1.8}});
    QTest::newRow("zero length")
        << QLineF(5, 5, 5, 5) << 9.0
        << QPolygonF({{4.9, 4.9}, {5.1, 4.9}, {5.1, 5.1}, {4.9, 5.1}, {4.9, 4.9}});
}

void tst_VUtility::lineHitArea()
{
    QFETCH(QLineF, line);
    QFETCH(double, width);
    QFETCH(QPolygonF, expected);
    const QPolygonF polygon = polygonFromLine(line, width);
    QCOMPARE(polygon.size(), expected.size());
    for (int i = 0; i < polygon.size(); ++i) {
        QVERIFY2(qAbs(polygon[i].x() - expected[i].x()) < 1e-9 &&
                     qAbs(polygon[i].y() - expected[i].y()) < 1e-9,
                 qPrintable(QStringLiteral("point %1").arg(i)));
    }
}

void tst_VUtility::bestPosition_data()
{
    QTest::addColumn<QPointF>("anchor");
    QTest::addColumn<QSizeF>("size");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<QRectF>("expected");
    const QSizeF box(20, 10);
    QTest::newRow("below right") << QPointF(10, 10) << box << int(Qt::AlignLeft)
                                 << QRectF(15, 15, 20, 10);
    QTest::newRow("touching the right edge fits")
        << QPointF(75, 10) << box << int(Qt::AlignLeft) << QRectF(80, 15, 20, 10);
    QTest::newRow("below left near the right edge")
        << QPointF(90, 10) << box << int(Qt::AlignLeft) << QRectF(65, 15, 20, 10);
    QTest::newRow("above right near the bottom")
        << QPointF(10, 95) << box << int(Qt::AlignLeft) << QRectF(15, 80, 20, 10);
    QTest::newRow("above left in the corner")
        << QPointF(90, 95) << box << int(Qt::AlignLeft) << QRectF(65, 80, 20, 10);
    QTest::newRow("right alignment prefers the left")
        << QPointF(50, 50) << box << int(Qt::AlignRight) << QRectF(25, 55, 20, 10);
    QTest::newRow("right alignment above")
        << QPointF(50, 95) << box << int(Qt::AlignRight) << QRectF(25, 80, 20, 10);
    QTest::newRow("anchor outside is clamped")
        << QPointF(150, 50) << box << int(Qt::AlignLeft) << QRectF(75, 55, 20, 10);
    QTest::newRow("nothing fits: unclamped first candidate")
        << QPointF(150, 50) << QSizeF(200, 200) << int(Qt::AlignLeft) << QRectF(155, 55, 200, 200);
}

void tst_VUtility::bestPosition()
{
    QFETCH(QPointF, anchor);
    QFETCH(QSizeF, size);
    QFETCH(int, alignment);
    QFETCH(QRectF, expected);
    QCOMPARE(
        calcBestPosition(QRectF(0, 0, 100, 100), anchor, size, 5, 5, Qt::AlignmentFlag(alignment)),
        expected);
}

void tst_VUtility::cornersAndMidPoints()
{
    const QRectF r(10, 20, 30, 40);
    QCOMPARE(corners(r), (QVector<QVector3D>{{10, 20, 0}, {40, 20, 0}, {10, 60, 0}, {40, 60, 0}}));
    QCOMPARE(midPoints(r),
             (QVector<QVector3D>{{25, 20, 0}, {40, 40, 0}, {25, 60, 0}, {10, 40, 0}}));
}

void tst_VUtility::perpendicularFollowsTheItemPlane_data()
{
    QTest::addColumn<QMatrix4x4>("toWorld");
    QTest::addColumn<QVector3D>("v");
    QTest::addColumn<QVector3D>("expected");
    QMatrix4x4 stretched;
    stretched.scale(2, 1, 1);
    QMatrix4x4 turned;
    turned.rotate(90, 0, 0, 1);
    QTest::newRow("identity") << QMatrix4x4() << QVector3D(1, 0, 0) << QVector3D(0, 1, 0);
    QTest::newRow("stretched x") << stretched << QVector3D(1, 0, 0) << QVector3D(0, 0.5f, 0);
    QTest::newRow("stretched y") << stretched << QVector3D(0, 1, 0) << QVector3D(-2, 0, 0);
    QTest::newRow("turned") << turned << QVector3D(0, 3, 0) << QVector3D(-3, 0, 0);
}

void tst_VUtility::perpendicularFollowsTheItemPlane()
{
    QFETCH(QMatrix4x4, toWorld);
    QFETCH(QVector3D, v);
    QFETCH(QVector3D, expected);
    const QVector3D result = perpendicularInECS(v, toWorld, toWorld.inverted());
    QVERIFY2(
        (result - expected).length() < 1e-5,
        qPrintable(QStringLiteral("(%1, %2, %3)").arg(result.x()).arg(result.y()).arg(result.z())));
    QCOMPARE(perpendicular(QVector2D(3, 4)), QVector2D(-4, 3));
}

void tst_VUtility::painterAliasTransform_data()
{
    QTest::addColumn<QPointF>("translation");
    QTest::addColumn<double>("scale");
    QTest::addColumn<QPointF>("origin");
    QTest::newRow("just above an integer") << QPointF(10.3, 20.2) << 1.0 << QPointF(10.5, 20.5);
    QTest::newRow("just below an integer") << QPointF(10.7, 19.6) << 1.0 << QPointF(10.5, 19.5);
    QTest::newRow("integer") << QPointF(4, 4) << 1.0 << QPointF(4.5, 4.5);
    QTest::newRow("scaled") << QPointF(1.6, 0) << 2.0 << QPointF(3.5, 0.5);
}

void tst_VUtility::painterAliasTransform()
{
    QFETCH(QPointF, translation);
    QFETCH(double, scale);
    QFETCH(QPointF, origin);
    QImage image(50, 50, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.translate(translation);
    FixPainterAlias(&painter);
    QCOMPARE(painter.transform().map(QPointF(0, 0)), origin);
    QCOMPARE(painter.transform().m11(), scale);
}

void tst_VUtility::painterAliasKeepsThinLinesSharp()
{
    QImage image(20, 12, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(0, 5);
        FixPainterAlias(&painter);
        painter.setPen(QPen(Qt::black, 1));
        painter.drawLine(QPointF(0, 0), QPointF(15, 0));
    }
    // The line fills row 5 and nothing else; unfixed it would smear over rows 4 and 5.
    QCOMPARE(qAlpha(image.pixel(8, 5)), 255);
    QCOMPARE(qAlpha(image.pixel(8, 4)), 0);
    QCOMPARE(qAlpha(image.pixel(8, 6)), 0);
}

void tst_VUtility::hotkeyText_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::newRow("Print") << int(Qt::Key_Print) << "Print Screen";
    QTest::newRow("Alt+Print") << QKeyCombination(Qt::ALT, Qt::Key_Print).toCombined()
                               << "Alt+Print Screen";
    QTest::newRow("Meta+Print") << QKeyCombination(Qt::META, Qt::Key_Print).toCombined()
                                << "Win+Print Screen";
    QTest::newRow("Ctrl+Print") << QKeyCombination(Qt::CTRL, Qt::Key_Print).toCombined()
                                << "Ctrl+Print Screen";
    QTest::newRow("Ctrl+Shift+F5")
        << QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_F5).toCombined() << "Ctrl+Shift+F5";
    QTest::newRow("empty") << 0 << "";
}

void tst_VUtility::hotkeyText()
{
    QFETCH(int, key);
    QFETCH(QString, text);
    const VHotkey hotkey(key);
    QCOMPARE(hotkey.key(), key);
    QCOMPARE(hotkey.toString(), text);
    QCOMPARE(VHotkey(QKeySequence(key, Qt::Key_A)).key(), key);
    QCOMPARE(VHotkey().key(), 0);
}

void tst_VUtility::keyValueEquality_data()
{
    QTest::addColumn<QString>("leftKey");
    QTest::addColumn<QString>("rightKey");
    QTest::addColumn<bool>("equal");
    QTest::newRow("same") << "Width"
                          << "Width" << true;
    QTest::newRow("case only") << "Width"
                               << "wIDTH" << true;
    QTest::newRow("different") << "Width"
                               << "Widths" << false;
    QTest::newRow("both empty") << ""
                                << "" << true;
}

void tst_VUtility::keyValueEquality()
{
    QFETCH(QString, leftKey);
    QFETCH(QString, rightKey);
    QFETCH(bool, equal);
    // Values never count.
    QCOMPARE(VKeyValue(leftKey, QStringLiteral("1")) == VKeyValue(rightKey, QStringLiteral("2")),
             equal);
    VKeyValue copy;
    copy = VKeyValue(leftKey, QStringLiteral("v"));
    QCOMPARE(copy.key(), leftKey);
    QCOMPARE(copy.value(), QStringLiteral("v"));
}

void tst_VUtility::axes()
{
    QCOMPARE(QVector3D::crossProduct(VConstants::X_AXIS, VConstants::Y_AXIS), VConstants::Z_AXIS);
    QCOMPARE(VConstants::X_AXIS.length(), 1.0f);
}

TALVIK_TEST_MAIN(tst_VUtility)
#include "tst_VUtility.moc"
