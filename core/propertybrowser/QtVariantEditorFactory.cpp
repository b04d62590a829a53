// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QtVariantEditorFactory.h"

#include <QAction>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFontDialog>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QSpinBox>

namespace {

const QChar kLineBreakSign(0x21B5);

// A colour typed as #rrggbb keeps the alpha of the colour it replaces.
QColor parseColor(const QString& text, const QColor& current)
{
    const QString trimmed = text.trimmed();
    QColor color = QColor::fromString(trimmed);
    if (color.isValid() && trimmed.size() == 7 && trimmed.startsWith(QLatin1Char('#')))
        color.setAlpha(current.alpha());
    return color;
}

} // namespace

QtVariantEditorFactory::QtVariantEditorFactory(QObject* parent)
    : QtAbstractEditorFactory<QtVariantPropertyManager>(parent)
{
}

QtVariantEditorFactory::~QtVariantEditorFactory() = default;

void QtVariantEditorFactory::connectPropertyManager(QtVariantPropertyManager* manager)
{
    connect(manager, &QtVariantPropertyManager::valueChanged, this,
            &QtVariantEditorFactory::onValueChanged);
    connect(manager, &QtVariantPropertyManager::attributeChanged, this,
            [this](QtProperty* property) { onValueChanged(property, QVariant()); });
    connect(manager, &QtAbstractPropertyManager::propertyDestroyed, this,
            &QtVariantEditorFactory::onPropertyDestroyed);
}

void QtVariantEditorFactory::disconnectPropertyManager(QtVariantPropertyManager* manager)
{
    disconnect(manager, nullptr, this, nullptr);
}

QWidget* QtVariantEditorFactory::createEditor(QtVariantPropertyManager* manager,
                                              QtProperty* property, QWidget* parent)
{
    QWidget* editor = nullptr;
    const int type = manager->propertyType(property);
    if (type == QMetaType::Double) {
        auto* spin = new QDoubleSpinBox(parent);
        spin->setKeyboardTracking(false);
        connect(spin, &QDoubleSpinBox::valueChanged, this,
                [=](double value) { commit(spin, manager, property, value); });
        editor = spin;
    } else if (type == QMetaType::Int) {
        auto* spin = new QSpinBox(parent);
        spin->setKeyboardTracking(false);
        connect(spin, &QSpinBox::valueChanged, this,
                [=](int value) { commit(spin, manager, property, value); });
        editor = spin;
    } else if (type == QMetaType::Bool) {
        auto* check = new QCheckBox(parent);
        connect(check, &QCheckBox::toggled, this,
                [=](bool value) { commit(check, manager, property, value); });
        editor = check;
    } else if (type == QMetaType::QString) {
        auto* line = new QLineEdit(parent);
        connect(line, &QLineEdit::editingFinished, this, [=] {
            // Only what the user typed: the shown text may stand for several values.
            if (!line->isModified())
                return;
            QString text = line->text();
            commit(line, manager, property, text.replace(kLineBreakSign, QLatin1Char('\n')));
        });
        editor = line;
    } else if (type == QMetaType::QColor) {
        editor = createColorEditor(manager, property, parent);
    } else if (type == QMetaType::QFont) {
        editor = createFontEditor(manager, property, parent);
    } else if (type == QtVariantPropertyManager::enumTypeId()) {
        auto* combo = new QComboBox(parent);
        connect(combo, &QComboBox::activated, this,
                [=](int index) { commit(combo, manager, property, index); });
        editor = combo;
    }
    if (!editor)
        return nullptr;
    editor->setAutoFillBackground(true);
    showValue(editor, manager, property);
    m_editors[property].append(editor);
    connect(editor, &QObject::destroyed, this, [this, editor, property] {
        const auto it = m_editors.find(property);
        if (it != m_editors.end() && it->removeOne(editor) && it->isEmpty())
            m_editors.erase(it);
    });
    return editor;
}

QWidget* QtVariantEditorFactory::createColorEditor(QtVariantPropertyManager* manager,
                                                   QtProperty* property, QWidget* parent)
{
    auto* line = new QLineEdit(parent);
    QAction* pick = line->addAction(QIcon(), QLineEdit::LeadingPosition);
    pick->setToolTip(tr("Choose a colour"));
    connect(line, &QLineEdit::editingFinished, this, [=] {
        if (!line->isModified())
            return;
        const QColor current = manager->value(property).value<QColor>();
        const QColor typed = parseColor(line->text(), current);
        if (typed.isValid())
            commit(line, manager, property, typed);
        // A text that is no colour is refused: the editor shows the colour again.
        showValue(line, manager, property);
    });
    connect(pick, &QAction::triggered, this, [=] {
        // Opened without blocking: the editor may close while the dialog is up, so the choice
        // goes to the property as long as its manager still has it.
        auto* dialog = new QColorDialog(manager->value(property).value<QColor>(), line->window());
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->setOption(QColorDialog::ShowAlphaChannel);
        const QPointer<QtVariantPropertyManager> guard(manager);
        connect(dialog, &QColorDialog::colorSelected, this, [guard, property](const QColor& c) {
            if (guard && guard->contains(property))
                guard->setValue(property, c);
        });
        dialog->open();
    });
    return line;
}

QWidget* QtVariantEditorFactory::createFontEditor(QtVariantPropertyManager* manager,
                                                  QtProperty* property, QWidget* parent)
{
    auto* line = new QLineEdit(parent);
    line->setReadOnly(true);
    QAction* pick = line->addAction(QIcon::fromTheme(QStringLiteral("preferences-desktop-font")),
                                    QLineEdit::TrailingPosition);
    pick->setToolTip(tr("Choose a font"));
    connect(pick, &QAction::triggered, this, [=] {
        auto* dialog = new QFontDialog(manager->value(property).value<QFont>(), line->window());
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        const QPointer<QtVariantPropertyManager> guard(manager);
        connect(dialog, &QFontDialog::fontSelected, this, [guard, property](const QFont& font) {
            if (guard && guard->contains(property))
                guard->setValue(property, font);
        });
        dialog->open();
    });
    return line;
}

void QtVariantEditorFactory::commit(QWidget* editor, QtVariantPropertyManager* manager,
                                    QtProperty* property, const QVariant& value)
{
    // An editor can still emit while it closes after its property is gone.
    if (!m_editors.value(property).contains(editor))
        return;
    manager->setValue(property, value);
    // A value the manager clamped or refused shows as the manager has it.
    if (m_editors.value(property).contains(editor))
        showValue(editor, manager, property);
}

void QtVariantEditorFactory::showValue(QWidget* editor, const QtVariantPropertyManager* manager,
                                       QtProperty* property) const
{
    const QSignalBlocker blocker(editor);
    const QVariant value = manager->value(property);
    const auto attribute = [&](const char* name) {
        return manager->attributeValue(property, QLatin1String(name));
    };
    if (auto* spin = qobject_cast<QDoubleSpinBox*>(editor)) {
        spin->setDecimals(attribute("decimals").toInt());
        spin->setRange(attribute("minimum").toDouble(), attribute("maximum").toDouble());
        spin->setSingleStep(attribute("singleStep").toDouble());
        spin->setValue(value.toDouble());
    } else if (auto* intSpin = qobject_cast<QSpinBox*>(editor)) {
        intSpin->setRange(attribute("minimum").toInt(), attribute("maximum").toInt());
        intSpin->setSingleStep(attribute("singleStep").toInt());
        intSpin->setValue(value.toInt());
    } else if (auto* check = qobject_cast<QCheckBox*>(editor)) {
        check->setChecked(value.toBool());
        check->setText(property->valueText());
    } else if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        const QStringList names = attribute("enumNames").toStringList();
        if (combo->count() != names.size()) {
            combo->clear();
            combo->addItems(names);
        }
        combo->setCurrentIndex(value.toInt());
    } else if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        if (manager->propertyType(property) == QMetaType::QColor && !line->actions().isEmpty())
            line->actions().first()->setIcon(
                QIcon(QtVariantPropertyManager::colorSwatch(value.value<QColor>())));
        const QString text = property->valueText();
        if (line->text() != text)
            line->setText(text);
        line->setModified(false);
    }
}

void QtVariantEditorFactory::onValueChanged(QtProperty* property, const QVariant& /*value*/)
{
    const auto* manager =
        qobject_cast<const QtVariantPropertyManager*>(property->propertyManager());
    for (QWidget* editor : m_editors.value(property))
        showValue(editor, manager, property);
}

void QtVariantEditorFactory::onPropertyDestroyed(QtProperty* property)
{
    m_editors.remove(property);
}
