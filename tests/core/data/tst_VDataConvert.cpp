// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikTest.h"

#include "data/VDataConvert.h"

using namespace VDataConvert;

class tst_VDataConvert : public QObject
{
    Q_OBJECT

private slots:
    void vectors();
    void matrices_data();
    void matrices();
    void fontToMessage_data();
    void fontToMessage();
    void messageToFont_data();
    void messageToFont();
    void fontFamilyKeepsNonAsciiNames();
    void unsetGraphicsItemReadsAsDefaults();
    void encodingRoundTrip();
};

void tst_VDataConvert::vectors()
{
    VFileFormat::Vector3D v3;
    assign(&v3, QVector3D(1.5f, -2, 3));
    QVERIFY(v3.has_x() && v3.has_y() && v3.has_z());
    QCOMPARE(toVector3D(v3), QVector3D(1.5f, -2, 3));

    // Zero components are set too: presence is what the items test.
    VFileFormat::Vector3D zero;
    assign(&zero, QVector3D());
    QVERIFY(zero.has_x() && zero.has_y() && zero.has_z());

    VFileFormat::Vector2D v2;
    assign(&v2, QVector3D(4, 5, 6));
    QCOMPARE(v2.x(), 4.0);
    QCOMPARE(v2.y(), 5.0);
    QCOMPARE(toVector3D(v2), QVector3D(4, 5, 0));
    QCOMPARE(toPointF(v2), QPointF(4, 5));
    QCOMPARE(toSizeF(v2), QSizeF(4, 5));

    VFileFormat::Vector2D negative;
    assign(&negative, QVector2D(-7, 0));
    QVERIFY(negative.has_y());
    QCOMPARE(toSizeF(negative), QSizeF(-7, 0));
}

void tst_VDataConvert::matrices_data()
{
    QTest::addColumn<QMatrix4x4>("matrix");
    QTest::newRow("identity") << QMatrix4x4();
    QMatrix4x4 placed;
    placed.translate(10, -20, 0);
    placed.rotate(30, 0, 0, 1);
    placed.scale(2, 0.5, 1);
    QTest::newRow("translated, turned, scaled") << placed;
    QTest::newRow("every cell distinct")
        << QMatrix4x4(1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16);
}

void tst_VDataConvert::matrices()
{
    QFETCH(QMatrix4x4, matrix);
    VFileFormat::Matrix4x4 message;
    assign(&message, matrix);
    const VFileFormat::Vector4D* columns[] = {&message.col1(), &message.col2(), &message.col3(),
                                              &message.col4()};
    for (int c = 0; c < 4; ++c) {
        QVERIFY(columns[c]->has_x() && columns[c]->has_w());
        QCOMPARE(float(columns[c]->x()), matrix(0, c));
        QCOMPARE(float(columns[c]->y()), matrix(1, c));
        QCOMPARE(float(columns[c]->z()), matrix(2, c));
        QCOMPARE(float(columns[c]->w()), matrix(3, c));
    }
    QCOMPARE(toMatrix4x4(message), matrix);
}

void tst_VDataConvert::fontToMessage_data()
{
    QTest::addColumn<QFont>("font");
    QTest::addColumn<int>("style");
    QFont boldUnderlined(QStringLiteral("Sans"), 12);
    boldUnderlined.setBold(true);
    boldUnderlined.setUnderline(true);
    boldUnderlined.setKerning(false);
    boldUnderlined.setStyleStrategy(QFont::PreferAntialias);
    QTest::newRow("bold, underlined, antialiased") << boldUnderlined << 37;

    QFont plain(QStringLiteral("Serif"), 9);
    plain.setKerning(false);
    plain.setStyleStrategy(QFont::NoAntialias);
    QTest::newRow("plain") << plain << 0;

    QFont everything(QStringLiteral("Mono"), 20);
    everything.setBold(true);
    everything.setItalic(true);
    everything.setUnderline(true);
    everything.setStrikeOut(true);
    everything.setKerning(true);
    everything.setStyleStrategy(
        QFont::StyleStrategy(QFont::PreferAntialias | QFont::PreferQuality));
    QTest::newRow("every style") << everything << 63;
}

void tst_VDataConvert::fontToMessage()
{
    QFETCH(QFont, font);
    QFETCH(int, style);
    VFileFormat::Font message;
    assign(&message, font);
    QCOMPARE(message.style(), style);
    QCOMPARE(message.size(), font.pointSize());
    QCOMPARE(QString::fromStdString(message.family()), font.family());

    const QFont back = toFont(message);
    QCOMPARE(back.family(), font.family());
    QCOMPARE(back.pointSize(), font.pointSize());
    QCOMPARE(back.bold(), font.bold());
    QCOMPARE(back.italic(), font.italic());
    QCOMPARE(back.underline(), font.underline());
    QCOMPARE(back.strikeOut(), font.strikeOut());
    QCOMPARE(back.kerning(), font.kerning());
}

void tst_VDataConvert::messageToFont_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("expectedSize");
    QTest::addColumn<bool>("antialias");
    const int defaultSize = QFont().pointSize();
    QTest::newRow("defaults: 8 points, no antialiasing") << -2 << -2 << 8 << false;
    QTest::newRow("zero size keeps the default") << 0 << 32 << defaultSize << true;
    QTest::newRow("negative size keeps the default") << -5 << 0 << defaultSize << false;
    QTest::newRow("16 points, antialiased") << 16 << 32 << 16 << true;
}

void tst_VDataConvert::messageToFont()
{
    QFETCH(int, size);
    QFETCH(int, style);
    QFETCH(int, expectedSize);
    QFETCH(bool, antialias);
    VFileFormat::Font message; // -2 leaves a field unset
    if (size != -2)
        message.set_size(size);
    if (style != -2)
        message.set_style(style);
    const QFont font = toFont(message);
    QCOMPARE(font.pointSize(), expectedSize);
    QCOMPARE(font.styleStrategy(), antialias ? QFont::PreferAntialias : QFont::NoAntialias);
    QCOMPARE(font.family(), QFont().family());
    QVERIFY(!font.bold());
}

void tst_VDataConvert::fontFamilyKeepsNonAsciiNames()
{
    QFont font;
    font.setFamily(QStringLiteral("微软雅黑"));
    VFileFormat::Font message;
    assign(&message, font);
    QCOMPARE(toFont(message).family(), QStringLiteral("微软雅黑"));
    // Serialisable: the schema's strings must be valid UTF-8.
    std::string bytes;
    QVERIFY(message.SerializeToString(&bytes));
    VFileFormat::Font parsed;
    QVERIFY(parsed.ParseFromString(bytes));
    QCOMPARE(QString::fromStdString(parsed.family()), QStringLiteral("微软雅黑"));
}

void tst_VDataConvert::unsetGraphicsItemReadsAsDefaults()
{
    const VFileFormat::GraphicsItem item;
    QCOMPARE(item.opacity(), 1.0f);
    QCOMPARE(item.strokewidth(), 1.0f);
    QCOMPARE(item.storkeopacity(), 1.0f);
    QVERIFY(item.visible());
    QCOMPARE(item.unit(), std::string("px"));
    QVERIFY(!item.has_translation());
    QVERIFY(!item.has_rotation());
    QVERIFY(!item.has_scale());
    QCOMPARE(item.fill().type(), VFileFormat::Paint::none);
    QCOMPARE(item.linecap(), VFileFormat::GraphicsItem::capButt);
    QCOMPARE(item.linejoin(), VFileFormat::GraphicsItem::joinMiter);
    QCOMPARE(item.fillrule(), VFileFormat::GraphicsItem::nonzero);
    // Reading an unset sub-message does not set it; writing through it does.
    VFileFormat::GraphicsItem written;
    QCOMPARE(written.translation().x(), 0.0);
    QVERIFY(!written.has_translation());
    assign(written.mutable_translation(), QVector3D());
    QVERIFY(written.has_translation());
}

void tst_VDataConvert::encodingRoundTrip()
{
    VFileFormat::GraphicsItemPolyline polyline;
    for (const QVector2D& point : {QVector2D(0, 0), QVector2D(10.25f, -3), QVector2D(7, 7)})
        assign(polyline.add_points(), point);
    polyline.set_closed(true);
    std::string bytes;
    QVERIFY(polyline.SerializeToString(&bytes));
    VFileFormat::GraphicsItemPolyline parsed;
    QVERIFY(parsed.ParseFromString(bytes));
    QCOMPARE(parsed.points_size(), 3);
    QCOMPARE(toPointF(parsed.points(1)), QPointF(10.25, -3));
    QVERIFY(parsed.closed());
    // Field numbers are part of the format: "closed" is field 2, a varint.
    QVERIFY(bytes.find(std::string("\x10\x01", 2)) != std::string::npos);
}

TALVIK_TEST_MAIN(tst_VDataConvert)
#include "tst_VDataConvert.moc"
