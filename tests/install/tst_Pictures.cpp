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

    // Each one the build renders into the resources, at the size it renders it.
    const QList<QPair<const char*, int>> pictures = {
#include "TalvikPictures.inc"
    };
    QVERIFY(!pictures.isEmpty());
    for (const auto& [path, size] : pictures)
        QTest::newRow(path) << QString::fromLatin1(path) << size;
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
