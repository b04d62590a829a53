// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What a user of another language, of a dark colour scheme or of a screen reader meets in a
// window: its texts translated, readable and named.

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QStyleFactory>
#include <QTabBar>
#include <QTabWidget>
#include <QTranslator>
#include <QtTest>

#include <cmath>
#include <map>

// Fails with what was found.
#define TALVIK_VERIFY_NONE(list)                                                                   \
    do {                                                                                           \
        const QStringList found_ = (list);                                                         \
        QVERIFY2(found_.isEmpty(), qPrintable(found_.join(QStringLiteral("; "))));                 \
    } while (false)

namespace TalvikTest {

// Stands in for a language while it lives: every text comes back marked, so a text shown
// unmarked either never went through translation or was not applied again.
class MarkingTranslator : public QTranslator
{
public:
    MarkingTranslator()
    {
        QCoreApplication::installTranslator(this);
        QCoreApplication::sendPostedEvents(); // the windows apply it
    }
    ~MarkingTranslator() override
    {
        QCoreApplication::removeTranslator(this);
        QCoreApplication::sendPostedEvents();
    }
    static QString mark() { return QStringLiteral("\u00bb"); }
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override
    {
        return source && *source ? mark() + QString::fromUtf8(source) : QString();
    }
};

// Texts in words of the window without the translator's mark; data it shows, such as file
// names, is left out by the name of who shows it. The toolkit's own parts bring its own texts.
inline QStringList untranslatedTexts(QWidget* pRoot, const QStringList& data = {})
{
    static const QRegularExpression words(QStringLiteral("\\p{L}{2,}"));
    QStringList found;
    QList<QWidget*> widgets = pRoot->findChildren<QWidget*>();
    widgets.prepend(pRoot);
    for (QWidget* pWidget : widgets) {
        if (qobject_cast<QTabBar*>(pWidget->parentWidget()) || data.contains(pWidget->objectName()))
            continue;
        QStringList texts = {pWidget->toolTip(), pWidget->accessibleName(),
                             pWidget->accessibleDescription()};
        if (pWidget->isWindow())
            texts << pWidget->windowTitle();
        if (auto* pLabel = qobject_cast<QLabel*>(pWidget))
            texts << pLabel->text();
        if (auto* pButton = qobject_cast<QAbstractButton*>(pWidget))
            texts << pButton->text();
        if (auto* pGroup = qobject_cast<QGroupBox*>(pWidget))
            texts << pGroup->title();
        if (auto* pCombo = qobject_cast<QComboBox*>(pWidget))
            for (int i = 0; i < pCombo->count(); ++i)
                texts << pCombo->itemText(i);
        if (auto* pTabs = qobject_cast<QTabWidget*>(pWidget))
            for (int i = 0; i < pTabs->count(); ++i)
                texts << pTabs->tabText(i);
        for (const QAction* pAction : pWidget->actions())
            texts << pAction->text() << pAction->toolTip();
        for (const QString& text : std::as_const(texts))
            if (text.contains(words) && !text.contains(MarkingTranslator::mark()))
                found << pWidget->objectName() + QStringLiteral(": ") + text;
    }
    return found;
}

// Controls Tab reaches, and buttons shown, that a screen reader could only announce by their
// kind, or by the name of another one shown beside them. The parts of a composite control
// speak with it.
inline QStringList unnamedControls(QWidget* pRoot)
{
    QStringList found;
    std::multimap<QString, QString> shown;
    for (QWidget* pWidget : pRoot->findChildren<QWidget*>()) {
        const bool bButton = qobject_cast<QAbstractButton*>(pWidget) && pWidget->isVisibleTo(pRoot);
        if (!(bButton || pWidget->focusPolicy() & Qt::TabFocus) || pWidget->focusProxy() ||
            qobject_cast<QComboBox*>(pWidget->parentWidget()) ||
            pWidget->window() != pRoot->window())
            continue;
        QAccessibleInterface* pAccessible = QAccessible::queryAccessibleInterface(pWidget);
        QString name = pAccessible ? pAccessible->text(QAccessible::Name) : QString();
        if (name.remove(QLatin1Char('&'))
                .remove(QStringLiteral("..."))
                .remove(MarkingTranslator::mark())
                .trimmed()
                .isEmpty())
            found << pWidget->objectName() + QStringLiteral(" has no name");
        else if (pWidget->isVisibleTo(pRoot) && shown.count(name))
            found << QStringLiteral("%1 and %2 are both \"%3\"")
                         .arg(pWidget->objectName(), shown.find(name)->second, name);
        else if (pWidget->isVisibleTo(pRoot))
            shown.emplace(name, pWidget->objectName());
    }
    return found;
}

// WCAG's contrast ratio of two colours: 1 (none) to 21 (black on white).
inline double contrast(QRgb a, QRgb b)
{
    const auto luminance = [](QRgb rgb) {
        const auto linear = [](int channel) {
            const double c = channel / 255.0;
            return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) +
               0.0722 * linear(qBlue(rgb));
    };
    const double first = luminance(a), second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// Enabled labels and buttons on screen whose text stands out from its ground by less than the
// ratio: the ground is the commonest colour of the control as the window shows it, the text
// the colour farthest from it.
inline QStringList lowContrastTexts(QWidget* pRoot, double minimum = 4.5)
{
    QCoreApplication::sendPostedEvents(); // laid out as the user would see it
    const QImage shot = pRoot->window()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QStringList found;
    for (QWidget* pWidget : pRoot->findChildren<QWidget*>()) {
        const auto* pLabel = qobject_cast<QLabel*>(pWidget);
        const auto* pButton = qobject_cast<QAbstractButton*>(pWidget);
        const QString text = pLabel ? pLabel->text() : pButton ? pButton->text() : QString();
        if (text.trimmed().isEmpty() || !pWidget->isVisible() || !pWidget->isEnabled())
            continue;
        const QRect area =
            QRect(pWidget->mapTo(pRoot->window(), QPoint()) * shot.devicePixelRatio(),
                  pWidget->size() * shot.devicePixelRatio()) &
            shot.rect();
        std::map<QRgb, int> counts;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                ++counts[shot.pixel(x, y)];
        const auto ground = std::max_element(counts.begin(), counts.end(),
                                             [](auto a, auto b) { return a.second < b.second; });
        double best = 1;
        for (const auto& [colour, count] : counts)
            best = std::max(best, contrast(ground->first, colour));
        if (!counts.empty() && best < minimum)
            found << QStringLiteral("%1 \"%2\": %3:1").arg(pWidget->objectName(), text).arg(best);
    }
    return found;
}

// Rows for a test run in Fusion's light palette and in a dark one, as a dark desktop sets it.
inline void addPaletteRows()
{
    QTest::addColumn<bool>("dark");
    QTest::newRow("light") << false;
    QTest::newRow("dark") << true;
}

// The palette of a row for as long as it lives.
class Palette
{
public:
    explicit Palette(bool dark)
    {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QPalette palette = QApplication::style()->standardPalette();
        if (dark) {
            palette = QPalette(QColor(45, 45, 48)); // light texts, derived from the ground
            palette.setColor(QPalette::Highlight, QColor(30, 90, 150));
            palette.setColor(QPalette::Link, QColor(110, 170, 255));
        }
        QApplication::setPalette(palette);
    }
    ~Palette() { QApplication::setPalette(QApplication::style()->standardPalette()); }
};

} // namespace TalvikTest
