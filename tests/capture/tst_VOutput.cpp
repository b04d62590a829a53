#include "TalvikTest.h"

#include "config/VConfigCapture.h"
#include "output/VOutput.h"
#include "VVCapture.h"

#include <QClipboard>
#include <QImageReader>

namespace {
// Left half fully transparent, right half opaque blue.
QImage halfTransparent()
{
    QImage image(40, 20, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = image.width() / 2; x < image.width(); ++x)
            image.setPixel(x, y, qRgba(0, 0, 255, 255));
    }
    return image;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool near(QRgb a, QRgb b, int tolerance)
{
    return qAbs(qRed(a) - qRed(b)) <= tolerance && qAbs(qGreen(a) - qGreen(b)) <= tolerance &&
           qAbs(qBlue(a) - qBlue(b)) <= tolerance;
}
} // namespace

class tst_VOutput : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void flattenPaintsOverWhite();
    void writtenFormats_data();
    void writtenFormats();
    void suffixes_data();
    void suffixes();
    void unknownFormatWritesNothing();
    void failedWriteKeepsTheOldFile();
    void unwritablePathReportsWhy();
    void automaticNameAtAFixedMoment();
    void outputTargets();
    void automaticOutputFollowsTheSettings();

private:
    QTemporaryDir m_dir;
};

void tst_VOutput::init()
{
    VConfigCapture* pConfig = VConfigCapture::instance();
    pConfig->setAutomaticSaveFolder(m_dir.path());
    pConfig->setNameMethod(1);
    pConfig->setCreateSubfolders(true);
    pConfig->setSubFolderFormat(QStringLiteral("YM"));
    pConfig->setFileNameFormat(QStringLiteral("Snap-Y-M-D-h-m-s"));
    pConfig->setTargetFormat(VV::TargetFormatPng);
}

void tst_VOutput::flattenPaintsOverWhite()
{
    QImage image(3, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(0, 0, 0, 0));
    image.setPixel(1, 0, qRgba(255, 0, 0, 255));
    image.setPixel(2, 0, qRgba(0, 0, 0, 128)); // half-transparent black
    const QImage flat = flattenOnWhite(image);
    QCOMPARE(flat.format(), QImage::Format_RGB888);
    QCOMPARE(flat.size(), image.size());
    QCOMPARE(flat.pixel(0, 0), qRgb(255, 255, 255));
    QCOMPARE(flat.pixel(1, 0), qRgb(255, 0, 0));
    QVERIFY(near(flat.pixel(2, 0), qRgb(127, 127, 127), 2));
}

void tst_VOutput::writtenFormats_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("readerFormat");
    // 1: transparent parts stay transparent, 0: they turn white, -1: not looked at.
    QTest::addColumn<int>("transparency");
    QTest::newRow("png") << int(VV::TargetFormatPng) << "a.png" << QByteArray("png") << 1;
    QTest::newRow("jpg") << int(VV::TargetFormatJpg) << "a.jpg" << QByteArray("jpeg") << 0;
    QTest::newRow("bmp") << int(VV::TargetFormatBmp) << "a.bmp" << QByteArray("bmp") << 0;
    // PNG and BMP follow the file's own suffix.
    QTest::newRow("png setting, bmp suffix")
        << int(VV::TargetFormatPng) << "b.bmp" << QByteArray("bmp") << -1;
    QTest::newRow("png setting, no suffix")
        << int(VV::TargetFormatPng) << "plain" << QByteArray("png") << 1;
}

void tst_VOutput::writtenFormats()
{
    QFETCH(int, format);
    QFETCH(QString, fileName);
    QFETCH(QByteArray, readerFormat);
    QFETCH(int, transparency);
    const QString path = m_dir.filePath(fileName);
    QString error;
    QVERIFY2(writeImageFile(halfTransparent(), path, format, 90, &error), qPrintable(error));
    QImageReader reader(path);
    QCOMPARE(reader.format(), readerFormat);
    const QImage read = reader.read();
    QCOMPARE(read.size(), QSize(40, 20));
    if (transparency == 1) {
        QCOMPARE(qAlpha(read.pixel(2, 2)), 0);
    } else if (transparency == 0) {
        QCOMPARE(qAlpha(read.pixel(2, 2)), 255);
        QVERIFY(near(read.pixel(2, 2), qRgb(255, 255, 255), 6));
    }
    QVERIFY(near(read.pixel(35, 10), qRgb(0, 0, 255), 12));
    QFile::remove(path);
}

void tst_VOutput::suffixes_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<int>("format");
    QTest::newRow("png") << "png" << int(VV::TargetFormatPng);
    QTest::newRow("PNG") << "PNG" << int(VV::TargetFormatPng);
    QTest::newRow("jpg") << "jpg" << int(VV::TargetFormatJpg);
    QTest::newRow("jpeg") << "Jpeg" << int(VV::TargetFormatJpg);
    QTest::newRow("bmp") << "bmp" << int(VV::TargetFormatBmp);
    QTest::newRow("gif") << "gif" << -1;
    QTest::newRow("none") << "" << -1;
}

void tst_VOutput::suffixes()
{
    QFETCH(QString, suffix);
    QFETCH(int, format);
    const auto result = targetFormatFromSuffix(suffix);
    QCOMPARE(result ? int(*result) : -1, format);
}

void tst_VOutput::unknownFormatWritesNothing()
{
    const QString path = m_dir.filePath(QStringLiteral("three.png"));
    QString error;
    QVERIFY(!writeImageFile(halfTransparent(), path, 3, 75, &error));
    QVERIFY(!QFile::exists(path));
    QVERIFY(error.contains(QLatin1String("3")));
    QVERIFY(!writeImageFile(QImage(), path, VV::TargetFormatPng, 75));
    QVERIFY(!QFile::exists(path));
}

void tst_VOutput::failedWriteKeepsTheOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("shot.jpg"));
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("the earlier capture");
    }
    // Wider than any JPEG may be: refused, and the file already there stays.
    QImage tooWide(70000, 1, QImage::Format_RGB32);
    tooWide.fill(Qt::red);
    QString error;
    QVERIFY(!writeImageFile(tooWide, path, VV::TargetFormatJpg, 75, &error));
    QVERIFY(error.contains(path));
    QCOMPARE(fileBytes(path), QByteArray("the earlier capture"));
    // No half-written temporary file stays behind.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("shot.jpg")});
}

void tst_VOutput::unwritablePathReportsWhy()
{
    const QString path = m_dir.filePath(QStringLiteral("missing-folder/shot.png"));
    QString error;
    QVERIFY(!writeImageFile(halfTransparent(), path, VV::TargetFormatPng, 75, &error));
    QVERIFY(error.startsWith(QStringLiteral("cannot write ") + path));
    QVERIFY(!QFile::exists(path));
}

void tst_VOutput::automaticNameAtAFixedMoment()
{
    const QDateTime moment(QDate(2010, 5, 7), QTime(9, 5, 3));
    const QString first = automaticFileName(moment);
    QCOMPARE(first, m_dir.filePath(QStringLiteral("201005/Snap-2010-05-07-09-05-03.png")));
    QVERIFY(writeImageFile(halfTransparent(), first, VV::TargetFormatPng, 75));
    QCOMPARE(automaticFileName(moment),
             m_dir.filePath(QStringLiteral("201005/Snap-2010-05-07-09-05-03[1].png")));

    VConfigCapture::instance()->setCreateSubfolders(false);
    VConfigCapture::instance()->setTargetFormat(VV::TargetFormatJpg);
    QCOMPARE(automaticFileName(moment),
             m_dir.filePath(QStringLiteral("Snap-2010-05-07-09-05-03.jpg")));
}

void tst_VOutput::outputTargets()
{
    QVERIFY(!outputImage(QImage(), VV::OutputClipboard, false));
    QVERIFY(!outputImage(halfTransparent(), 0, false));
    QVERIFY(!outputImage(halfTransparent(), 3, false));

    QVERIFY(outputImage(halfTransparent(), VV::OutputClipboard, true));
    const QImage pasted = QGuiApplication::clipboard()->image();
    QCOMPARE(pasted.size(), QSize(40, 20));
    QCOMPARE(pasted.pixel(35, 10), qRgba(0, 0, 255, 255));

    // A naming method without meaning gives no name and writes nothing.
    VConfigCapture::instance()->setNameMethod(2);
    QCOMPARE(outputFileName(false), QString());
    QVERIFY(!outputImage(halfTransparent(), VV::OutputFile, false));
}

void tst_VOutput::automaticOutputFollowsTheSettings()
{
    VConfigCapture* pConfig = VConfigCapture::instance();
    pConfig->setCreateSubfolders(false);
    pConfig->setFileNameFormat(QStringLiteral("Auto"));
    pConfig->setTargetFormat(VV::TargetFormatJpg);
    QVERIFY(outputImage(halfTransparent(), VV::OutputFile, false));
    const QImage written(m_dir.filePath(QStringLiteral("Auto.jpg")));
    QVERIFY(near(written.pixel(2, 2), qRgb(255, 255, 255), 6));

    pConfig->setTargetFormat(3);
    QVERIFY(!outputImage(halfTransparent(), VV::OutputFile, false));
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("Auto."))));
}

TALVIK_TEST_MAIN(tst_VOutput)
#include "tst_VOutput.moc"
