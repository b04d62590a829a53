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
#include <QLineEdit>
#include <QMenu>
#include <QMultiMap>
#include <QRegularExpression>
#include <QStringList>
#include <QStyle>
#include <QStyleFactory>
#include <QTabBar>
#include <QTabWidget>
#include <QTranslator>

#include <algorithm>
#include <cmath>
#include <map>

// Fails with what was found.
#define TALVIK_VERIFY_NONE(list)                                                                   \
    do {                                                                                           \
        const QStringList found_ = (list);                                                         \
        QVERIFY2(found_.isEmpty(), qPrintable(found_.join(QStringLiteral("; "))));                 \
    } while (false)

namespace TalvikTest {

// Stands in for a language: every text comes back marked, so a text shown unmarked either
// never went through translation or was not applied again when the language changed.
class MarkingTranslator : public QTranslator
{
public:
    static QString mark() { return QStringLiteral("\u00bb"); }

    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char* = nullptr,
                      int = -1) const override
    {
        return source && *source ? mark() + QString::fromUtf8(source) : QString();
    }
};

// Installs a translator for as long as it lives, and lets the windows apply it.
class Language
{
public:
    explicit Language(QTranslator& translator) : m_translator(translator)
    {
        QCoreApplication::installTranslator(&m_translator);
        QCoreApplication::sendPostedEvents();
    }
    ~Language()
    {
        QCoreApplication::removeTranslator(&m_translator);
        QCoreApplication::sendPostedEvents();
    }
    Language(const Language&) = delete;
    Language& operator=(const Language&) = delete;

private:
    QTranslator& m_translator;
};

// Every text of the window and its children that a user may read, by who shows it.
inline std::multimap<QString, QString> shownTexts(QWidget* pRoot)
{
    std::multimap<QString, QString> texts;
    QList<QWidget*> widgets = pRoot->findChildren<QWidget*>();
    widgets.prepend(pRoot);
    for (QWidget* pWidget : widgets) {
        // The toolkit's own parts bring the toolkit's translation.
        if (qobject_cast<QTabBar*>(pWidget->parentWidget()))
            continue;
        const QString who = pWidget->objectName().isEmpty()
                                ? QString::fromLatin1(pWidget->metaObject()->className())
                                : pWidget->objectName();
        const auto add = [&](const QString& text) { texts.emplace(who, text); };
        if (pWidget->isWindow())
            add(pWidget->windowTitle());
        add(pWidget->toolTip());
        add(pWidget->accessibleName());
        add(pWidget->accessibleDescription());
        if (auto* pLabel = qobject_cast<QLabel*>(pWidget))
            add(pLabel->text());
        if (auto* pButton = qobject_cast<QAbstractButton*>(pWidget))
            add(pButton->text());
        if (auto* pGroup = qobject_cast<QGroupBox*>(pWidget))
            add(pGroup->title());
        if (auto* pLine = qobject_cast<QLineEdit*>(pWidget))
            add(pLine->placeholderText());
        if (auto* pCombo = qobject_cast<QComboBox*>(pWidget))
            for (int i = 0; i < pCombo->count(); ++i)
                add(pCombo->itemText(i));
        if (auto* pTabs = qobject_cast<QTabWidget*>(pWidget))
            for (int i = 0; i < pTabs->count(); ++i)
                add(pTabs->tabText(i));
        for (const QAction* pAction : pWidget->actions()) {
            add(pAction->text());
            add(pAction->toolTip());
        }
    }
    return texts;
}

// Texts in words that do not carry the marking translator's mark; data the window shows, such
// as file names, is left out by the name of who shows it.
inline QStringList untranslatedTexts(QWidget* pRoot, const QStringList& data = {})
{
    static const QRegularExpression words(QStringLiteral("\\p{L}{2,}"));
    QStringList found;
    for (const auto& [who, text] : shownTexts(pRoot))
        if (text.contains(words) && !text.contains(MarkingTranslator::mark()) &&
            !data.contains(who))
            found << who + QStringLiteral(": ") + text;
    return found;
}

// Controls that Tab reaches but a screen reader could only announce by their kind, or by the
// name of another.
inline QStringList unnamedControls(QWidget* pRoot)
{
    QStringList found;
    QMultiMap<QString, QString> named;
    for (QWidget* pWidget : pRoot->findChildren<QWidget*>()) {
        // The parts of a composite control are announced with it.
        if (!(pWidget->focusPolicy() & Qt::TabFocus) || pWidget->focusProxy() ||
            qobject_cast<QComboBox*>(pWidget->parentWidget()) ||
            pWidget->window() != pRoot->window())
            continue;
        QAccessibleInterface* pAccessible = QAccessible::queryAccessibleInterface(pWidget);
        QString name = pAccessible ? pAccessible->text(QAccessible::Name) : QString();
        if (name.remove(QLatin1Char('&')).trimmed().remove(QStringLiteral("...")).isEmpty())
            found << pWidget->objectName() + QStringLiteral(" (") +
                         QString::fromLatin1(pWidget->metaObject()->className()) +
                         QStringLiteral(")");
        else if (pWidget->isVisibleTo(pRoot)) // shown together, told apart
            named.insert(name, pWidget->objectName());
    }
    for (const QString& name : named.uniqueKeys())
        if (named.count(name) > 1)
            found << QStringLiteral("\"%1\" names %2")
                         .arg(name, named.values(name).join(QLatin1Char(',')));
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

// Visible labels and buttons whose text stands out from its ground by less than the ratio:
// the ground is the commonest colour of the control as the window shows it, the text the
// colour farthest from it.
inline QStringList lowContrastTexts(QWidget* pRoot, double minimum = 4.5)
{
    // Laid out as the user would see it, not as it was before the last change.
    QCoreApplication::sendPostedEvents();
    const QImage shot = pRoot->window()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const qreal ratio = shot.devicePixelRatio();
    QStringList found;
    for (QWidget* pWidget : pRoot->findChildren<QWidget*>()) {
        const auto* pLabel = qobject_cast<QLabel*>(pWidget);
        const auto* pButton = qobject_cast<QAbstractButton*>(pWidget);
        const QString text = pLabel ? pLabel->text() : pButton ? pButton->text() : QString();
        if (text.trimmed().isEmpty() || !pWidget->isVisible() || !pWidget->isEnabled())
            continue;
        const QRect place(pWidget->mapTo(pRoot->window(), QPoint()) * ratio,
                          pWidget->size() * ratio);
        const QRect area = place & shot.rect();
        std::map<QRgb, int> counts;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                ++counts[shot.pixel(x, y)];
        if (counts.empty())
            continue;
        const QRgb ground = std::max_element(counts.begin(), counts.end(), [](auto a, auto b) {
                                return a.second < b.second;
                            })->first;
        double best = 1;
        for (const auto& [colour, count] : counts)
            best = std::max(best, contrast(ground, colour));
        if (best < minimum)
            found << QStringLiteral("%1 \"%2\": %3:1")
                         .arg(pWidget->objectName(), text)
                         .arg(best, 0, 'f', 1);
    }
    return found;
}

// Fusion in the light colours its style suggests, or in dark ones as a dark desktop sets them.
inline void usePalette(bool dark)
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette palette = QApplication::style()->standardPalette();
    if (dark) {
        const QColor window(45, 45, 48), base(30, 30, 32), text(240, 240, 240);
        palette = QPalette(text, window, window.lighter(150), window.darker(150),
                           window.darker(120), text, Qt::white, base, window);
        palette.setColor(QPalette::ButtonText, text);
        palette.setColor(QPalette::Highlight, QColor(30, 90, 150));
        palette.setColor(QPalette::HighlightedText, Qt::white);
        palette.setColor(QPalette::Link, QColor(110, 170, 255));
        palette.setColor(QPalette::ToolTipBase, base);
        palette.setColor(QPalette::ToolTipText, text);
        palette.setColor(QPalette::PlaceholderText, QColor(150, 150, 150));
        for (const QPalette::ColorRole role :
             {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(QPalette::Disabled, role, QColor(130, 130, 130));
    }
    QApplication::setPalette(palette);
}

} // namespace TalvikTest
