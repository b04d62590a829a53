// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikTest.h"
#include "widgets/VSystemTrayIcon.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>

// Every picture the program names must load at its size, with an @2x twin that Qt really
// picks on a 200% screen; a missing or misnamed file shows as a blank button.
class tst_Pictures : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void loads_data();
    void loads();
};

void tst_Pictures::initTestCase()
{
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
    Q_INIT_RESOURCE(capture);
    // Keeps the core library, which carries the tray pictures, linked and loaded.
    QVERIFY(VSystemTrayIcon::staticMetaObject.className());
}

void tst_Pictures::loads_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("size");

    const QList<QPair<const char*, int>> pictures = {
        {"App16", 16},
        {"App48", 48},
        {"profile-region-rectangle", 32},
        {"profile-region-polygon", 32},
        {"profile-window", 32},
        {"profile-scrolling", 32},
        {"profile-fullscreen", 32},
        {"mail_post_to", 16},
        {"form", 16},
        {"internet", 16},
        {"bookmark", 16},
        {"TalvikCapture-More-Show", 16},
        {"TalvikCapture-More-Hide", 16},
        {"mainwindow", 16},
        {"exit", 16},
    };
    for (const auto& [name, size] : pictures)
        QTest::newRow(name) << QStringLiteral(":/images/%1.png").arg(QLatin1String(name)) << size;
    // The capture overlay's rows: tools at 36, actions at 32.
    for (const char* name : {"SubToolCaptureRect", "SubToolCapturePolygon", "SubToolCaptureWindow",
                             "SubToolLine", "SubToolArrow", "SubToolPolyline", "SubToolRect",
                             "SubToolPolygon", "SubToolText", "SubToolEllipse", "SubToolPen",
                             "SubToolHighlighter", "SubToolObfuscate", "SubToolStepMarker"})
        QTest::newRow(name) << QStringLiteral(":/images/%1.png").arg(QLatin1String(name)) << 36;
    for (const char* name : {"ToolAddCapture", "ToolAddAnnotation", "delete", "ToolPrint",
                             "ToolSaveToFile", "ToolSaveToClipboard", "dexit"})
        QTest::newRow(name) << QStringLiteral(":/images/%1.png").arg(QLatin1String(name)) << 32;
}

void tst_Pictures::loads()
{
    QFETCH(QString, path);
    QFETCH(int, size);

    const QImage normal(path);
    QVERIFY2(!normal.isNull(), qPrintable(path));
    QCOMPARE(normal.size(), QSize(size, size));
    QVERIFY(normal.hasAlphaChannel());

    const QString twinPath = path.chopped(4) + QStringLiteral("@2x.png");
    const QImage twin(twinPath);
    QVERIFY2(!twin.isNull(), qPrintable(twinPath));
    QCOMPARE(twin.size(), QSize(2 * size, 2 * size));

    const QPixmap atDouble = QIcon(path).pixmap(QSize(size, size));
    QCOMPARE(atDouble.devicePixelRatio(), 2.0);
    QCOMPARE(atDouble.size(), QSize(2 * size, 2 * size));
    QCOMPARE(atDouble.toImage().convertToFormat(QImage::Format_ARGB32),
             twin.convertToFormat(QImage::Format_ARGB32));
}

// A 200% screen, where Qt looks for the @2x files.
int main(int argc, char* argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    tst_Pictures test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_Pictures.moc"
