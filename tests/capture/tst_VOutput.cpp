// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikTest.h"

#include "config/VConfigCapture.h"
#include "output/VBmpWriter.h"
#include "output/VJpegWriter.h"
#include "output/VLogOutput.h"
#include "output/VOutput.h"
#include "output/VPngWriter.h"
#include "VVCapture.h"

#include <QBuffer>
#include <QClipboard>
#include <QImageReader>
#include <QImageWriter>

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

// Gradients with a bit of grain every few pixels (so PNG rows choose different filters) and,
// with alpha, every level of transparency.
QImage pattern(int width, int height, QImage::Format format)
{
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int grain = (x * 7 + y * 3) % 5 == 0 ? 9 : 0;
            image.setPixel(x, y,
                           qRgba(x * 255 / width, (y * 255 / height + grain) % 256, 128,
                                 (x * 37 + y * 11) % 256));
        }
    }
    return image.convertToFormat(format);
}

// Takes the first limit bytes, then refuses, as a full disk does.
class VFullDevice : public QIODevice
{
public:
    explicit VFullDevice(qint64 limit) : m_limit(limit) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 size) override
    {
        if (size > m_limit)
            return -1;
        m_limit -= size;
        return size;
    }

private:
    qint64 m_limit;
};
} // namespace

class tst_VOutput : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void flattenPaintsOverWhite();
    void writtenFormats_data();
    void writtenFormats();
    void writtenPixels_data();
    void writtenPixels();
    void refusedBytesFailTheWrite_data();
    void refusedBytesFailTheWrite();
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

void tst_VOutput::writtenPixels_data()
{
    QTest::addColumn<QImage>("image");
    QTest::addColumn<QString>("fileName");
    const auto premultiplied = QImage::Format_ARGB32_Premultiplied;
    QTest::newRow("png, semi-transparent") << pattern(41, 30, premultiplied) << "alpha.png";
    QTest::newRow("png, straight alpha") << pattern(40, 9, QImage::Format_ARGB32) << "s.png";
    QTest::newRow("png, opaque") << pattern(64, 20, QImage::Format_RGB32) << "rgb.png";
    QTest::newRow("png, 24-bit source") << pattern(33, 70, QImage::Format_RGB888) << "p.png";
    QTest::newRow("png, 1x1") << pattern(1, 1, premultiplied) << "dot.png";
    QTest::newRow("png, 3 x 60000") << pattern(3, 60000, QImage::Format_RGB32) << "tall.png";
    QTest::newRow("png, 16k wide") << pattern(16384, 3, premultiplied) << "wide.png";
    QTest::newRow("bmp, semi-transparent") << pattern(41, 30, premultiplied) << "a.bmp";
    QTest::newRow("bmp, 24-bit source, 1x1") << pattern(1, 1, QImage::Format_RGB888) << "o.bmp";
    QTest::newRow("bmp, 3 x 200") << pattern(3, 200, QImage::Format_ARGB6666_Premultiplied)
                                  << "i.bmp";
    QTest::newRow("jpg, semi-transparent") << pattern(64, 48, premultiplied) << "a.jpg";
    QTest::newRow("jpg, opaque") << pattern(64, 48, QImage::Format_RGB32) << "o.jpg";
}

// The file holds the picture: straight RGBA for PNG, painted over white for BMP, and for JPEG
// what Qt's own encoder makes of the picture painted over white.
void tst_VOutput::writtenPixels()
{
    QFETCH(QImage, image);
    QFETCH(QString, fileName);
    const QString path = m_dir.filePath(fileName);
    const auto format = targetFormatFromSuffix(QFileInfo(path).suffix());
    QString error;
    QVERIFY2(writeImageFile(image, path, int(*format), 95, &error), qPrintable(error));
    const QImage decoded = QImageReader(path).read();
    // Opaque pictures are written without an alpha channel.
    QCOMPARE(decoded.hasAlphaChannel(), *format == VV::TargetFormatPng && image.hasAlphaChannel());
    QImage expected = *format == VV::TargetFormatPng ? image : flattenOnWhite(image);
    if (*format == VV::TargetFormatJpg) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpg");
        writer.setQuality(95);
        QVERIFY(writer.write(expected));
        expected = QImage::fromData(buffer.data(), "jpg");
    }
    const QImage read = decoded.convertToFormat(QImage::Format_ARGB32);
    expected.convertTo(QImage::Format_ARGB32);
    QCOMPARE(read.size(), expected.size());
    for (int y = 0; y < read.height(); ++y) {
        for (int x = 0; x < read.width(); ++x) {
            if (read.pixel(x, y) != expected.pixel(x, y))
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2 is %3, not %4")
                                     .arg(x)
                                     .arg(y)
                                     .arg(read.pixel(x, y), 8, 16)
                                     .arg(expected.pixel(x, y), 8, 16)));
        }
    }
    QFile::remove(path);
}

void tst_VOutput::refusedBytesFailTheWrite_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<qint64>("limit");
    for (const QString format : {"png", "bmp", "jpg"}) {
        for (const qint64 limit : {0, 60, 5000}) {
            QTest::addRow("%s after %lld bytes", qPrintable(format), limit) << format << limit;
        }
    }
}

void tst_VOutput::refusedBytesFailTheWrite()
{
    QFETCH(QString, format);
    QFETCH(qint64, limit);
    const QImage image = pattern(300, 200, QImage::Format_ARGB32_Premultiplied);
    VFullDevice device(limit);
    if (format == QLatin1String("png")) {
        VPngWriter writer;
        QVERIFY(!writer.write(image, device));
        QVERIFY(!writer.errorString().isEmpty());
    } else if (format == QLatin1String("bmp")) {
        QVERIFY(!writeBmpOnWhite(image, device));
    } else {
        QVERIFY(!VJpegWriter(75).write(image, device));
    }
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
    // The reason reaches the log only when asked for: by default a script's standard error holds
    // the message alone. (Rules of the caller's own would decide otherwise.)
    if (!qEnvironmentVariableIsEmpty("QT_LOGGING_RULES"))
        return;
    QVERIFY(!lcOutput().isInfoEnabled() && lcOutput().isWarningEnabled());
    QLoggingCategory::setFilterRules(QStringLiteral("talvik.output.info=true"));
    QTest::ignoreMessage(QtInfoMsg, qPrintable(QStringLiteral("Output: not written: ") + error));
    QVERIFY(!writeImageFile(halfTransparent(), path, VV::TargetFormatPng, 75));
    QLoggingCategory::setFilterRules(QString());
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
