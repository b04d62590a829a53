// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikTest.h"
#include "TalvikTestConfig.h"

#include "widgets/VCanvas.h"
#include "widgets/VHelpBalloon.h"

#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QPropertyAnimation>

#include <memory>

namespace {
const QString kRectangle = QStringLiteral("How To Draw Rectangle");
const QString kPolyline = QStringLiteral("How To Draw Polyline/Polygon");
const QString kLinkText = QStringLiteral("Don't Show me this Again.");

class Balloon : public VHelpBalloon
{
public:
    using VHelpBalloon::VHelpBalloon;
    using VWidget::animationFading;

    double opacity() const
    {
        const auto* effect = qobject_cast<const QGraphicsOpacityEffect*>(graphicsEffect());
        return effect ? effect->opacity() : 1.0;
    }
    QLabel* link() const
    {
        for (QLabel* label : findChildren<QLabel*>()) {
            if (label->text().contains(kLinkText))
                return label;
        }
        return nullptr;
    }
};

struct ShownCanvas
{
    ShownCanvas() : balloon(new Balloon(&canvas))
    {
        canvas.resize(700, 500);
        canvas.show();
    }
    VCanvas canvas;
    Balloon* balloon;
};

using Alignment = QFlags<Qt::AlignmentFlag>;
} // namespace

Q_DECLARE_METATYPE(Alignment)

class tst_VHelpBalloon : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void placement_data();
    void placement();
    void dontShowAgainSilencesOneTitle();
    void readableThenFades_data();
    void readableThenFades();

private:
    std::unique_ptr<TalvikTest::IniConfig> m_config;
};

void tst_VHelpBalloon::initTestCase()
{
    m_config = std::make_unique<TalvikTest::IniConfig>(TalvikTest::privateHome().path() +
                                                       QStringLiteral("/balloon.ini"));
}

void tst_VHelpBalloon::placement_data()
{
    QTest::addColumn<Alignment>("alignment");
    QTest::addColumn<QPoint>("pos");

    QTest::newRow("right top") << Alignment(Qt::AlignRight | Qt::AlignTop) << QPoint(595, 5);
    QTest::newRow("right bottom") << Alignment(Qt::AlignRight | Qt::AlignBottom)
                                  << QPoint(595, 495);
    QTest::newRow("centre") << Alignment(Qt::AlignCenter) << QPoint(300, 250);
    QTest::newRow("right middle") << Alignment(Qt::AlignRight | Qt::AlignVCenter)
                                  << QPoint(595, 250);
    QTest::newRow("bottom only") << Alignment(Qt::AlignBottom) << QPoint(5, 495);
    QTest::newRow("no flags") << Alignment() << QPoint(5, 5);
    QTest::newRow("justify is no side") << Alignment(Qt::AlignJustify) << QPoint(5, 5);
}

void tst_VHelpBalloon::placement()
{
    QFETCH(Alignment, alignment);
    QFETCH(QPoint, pos);

    m_config->setShowBalloon(kRectangle, true);
    VCanvas canvas;
    canvas.resize(800, 600);
    Balloon balloon(&canvas);
    balloon.setFixedSize(200, 100);
    balloon.show(kRectangle, QStringLiteral("Drag to draw."), alignment);
    QCOMPARE(balloon.geometry(), QRect(pos, QSize(200, 100)));
}

void tst_VHelpBalloon::dontShowAgainSilencesOneTitle()
{
    m_config->setShowBalloon(kRectangle, true);
    m_config->setShowBalloon(kPolyline, true);
    ShownCanvas shown;
    QVERIFY(QTest::qWaitForWindowExposed(&shown.canvas));
    Balloon* balloon = shown.balloon;
    balloon->show(kRectangle, QStringLiteral("Drag to draw a rectangle."),
                  Qt::AlignRight | Qt::AlignTop);
    QVERIFY(balloon->isVisible());

    QLabel* link = balloon->link();
    QVERIFY(link);
    // Coloured for the balloon's light ground; the words and the target stay.
    QVERIFY(link->text().contains(QStringLiteral("href=\"0\">Don't Show me this Again.</a>")));
    const QPoint onText(link->fontMetrics().horizontalAdvance(QStringLiteral("Don")),
                        link->height() / 2);
    QTest::mouseClick(link, Qt::LeftButton, Qt::NoModifier, onText);
    QVERIFY(balloon->isHidden());
    QVERIFY(!m_config->isShowBalloon(kRectangle));

    balloon->show(kRectangle, QStringLiteral("Drag to draw a rectangle."),
                  Qt::AlignRight | Qt::AlignTop);
    QVERIFY(balloon->isHidden());
    balloon->show(kPolyline, QStringLiteral("Click the points."), Qt::AlignRight | Qt::AlignTop);
    QVERIFY(balloon->isVisible());
    QVERIFY(m_config->isShowBalloon(kPolyline));
    // A silenced note leaves the one on screen alone.
    balloon->show(kRectangle, QStringLiteral("Drag to draw a rectangle."), Qt::AlignLeft);
    QVERIFY(balloon->isVisible());
    QCOMPARE(balloon->findChildren<QLabel*>().first()->text(), kPolyline);
}

void tst_VHelpBalloon::readableThenFades_data()
{
    QTest::addColumn<int>("time");
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<bool>("visible");

    QTest::newRow("shown") << 0 << 0.9 << 0.9 << true;
    QTest::newRow("held") << 1500 << 0.9 << 0.9 << true;
    QTest::newRow("still held") << 2800 << 0.9 << 0.9 << true;
    QTest::newRow("fading") << 4000 << 0.05 << 0.85 << true;
    QTest::newRow("nearly gone") << 4990 << 0.0 << 0.01 << true;
    QTest::newRow("gone") << 5000 << 0.0 << 0.0 << false;
}

void tst_VHelpBalloon::readableThenFades()
{
    QFETCH(int, time);
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(bool, visible);

    m_config->setShowBalloon(kPolyline, true);
    ShownCanvas shown;
    Balloon* balloon = shown.balloon;
    for (int round = 0; round < 2; ++round) {
        // The second round shows it again over a balloon that is half gone.
        balloon->show(kPolyline, QStringLiteral("Click the points."),
                      Qt::AlignRight | Qt::AlignTop);
        QPropertyAnimation* fading = balloon->animationFading();
        QVERIFY(fading);
        QCOMPARE(fading->state(), QAbstractAnimation::Running);
        QCOMPARE(balloon->opacity(), 0.9);
        fading->setCurrentTime(time);
        QVERIFY2(balloon->opacity() >= low - 1e-9 && balloon->opacity() <= high + 1e-9,
                 qPrintable(QString::number(balloon->opacity())));
        QCOMPARE(balloon->isVisible(), visible);
        fading->setCurrentTime(4500);
    }
}

TALVIK_TEST_MAIN(tst_VHelpBalloon)
#include "tst_VHelpBalloon.moc"
