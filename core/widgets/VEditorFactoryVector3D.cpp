// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VEditorFactoryVector3D.h"

#include <QLineEdit>
#include <QRegularExpression>

#include <cmath>

VEditorFactoryVector3D::VEditorFactoryVector3D(QObject* parent)
    : QtAbstractEditorFactory<VPropertyManagerVector3D>(parent)
{
}

VEditorFactoryVector3D::~VEditorFactoryVector3D() = default;

QWidget* VEditorFactoryVector3D::createEditor(VPropertyManagerVector3D* /*manager*/,
                                              QtProperty* property, QWidget* parent)
{
    auto* editor = new QLineEdit(property->valueText(), parent);
    editor->setAutoFillBackground(true);
    // One editor per property: an older one no longer speaks for it.
    if (QLineEdit* previous = m_editorOf.value(property))
        m_propertyOf.remove(previous);
    m_editorOf.insert(property, editor);
    m_propertyOf.insert(editor, property);
    connect(editor, &QLineEdit::textEdited, this, &VEditorFactoryVector3D::onValueChanged);
    connect(editor, &QLineEdit::editingFinished, this, &VEditorFactoryVector3D::onSetValue);
    connect(editor, &QObject::destroyed, this, &VEditorFactoryVector3D::onEditorDestroyed);
    return editor;
}

void VEditorFactoryVector3D::connectPropertyManager(VPropertyManagerVector3D* manager)
{
    connect(manager, &VPropertyManagerVector3D::valueChanged, this,
            &VEditorFactoryVector3D::onPropertyChanged);
    connect(manager, &QtAbstractPropertyManager::propertyDestroyed, this,
            &VEditorFactoryVector3D::onPropertyDestroyed);
}

void VEditorFactoryVector3D::disconnectPropertyManager(VPropertyManagerVector3D* manager)
{
    disconnect(manager, &VPropertyManagerVector3D::valueChanged, this,
               &VEditorFactoryVector3D::onPropertyChanged);
    disconnect(manager, &QtAbstractPropertyManager::propertyDestroyed, this,
               &VEditorFactoryVector3D::onPropertyDestroyed);
}

void VEditorFactoryVector3D::onPropertyChanged(QtProperty* property, const QVector3D& value)
{
    QLineEdit* editor = m_editorOf.value(property);
    const QString text = VPropertyManagerVector3D::format(value);
    if (editor && editor->text() != text) {
        const QSignalBlocker blocker(editor);
        editor->setText(text);
    }
}

void VEditorFactoryVector3D::onValueChanged(const QString& text)
{
    if (QtProperty* property = m_propertyOf.value(sender()))
        m_pendingText.insert(property, text);
}

void VEditorFactoryVector3D::onSetValue()
{
    auto* editor = qobject_cast<QLineEdit*>(sender());
    QtProperty* property = m_propertyOf.value(editor);
    if (!property || !m_pendingText.contains(property))
        return;
    const QString text = m_pendingText.take(property);
    static const QRegularExpression number(QStringLiteral("[-+]?[0-9]*\\.?[0-9]+"));
    QRegularExpressionMatchIterator matches = number.globalMatch(text);
    bool xOk = false;
    bool yOk = false;
    const double x = matches.hasNext() ? matches.next().captured().toDouble(&xOk) : 0;
    const double y = matches.hasNext() ? matches.next().captured().toDouble(&yOk) : 0;
    VPropertyManagerVector3D* manager = propertyManager(property);
    // Two numbers or nothing; digits beyond what a double holds are no number.
    if (manager && xOk && yOk && std::isfinite(x) && std::isfinite(y))
        manager->setValue(property, QVector3D(float(x), float(y), 0));
    // What was set, clamped, or refused: the editor shows the value as it now is.
    if (m_propertyOf.value(editor) == property) {
        const QSignalBlocker blocker(editor);
        editor->setText(property->valueText());
    }
}

void VEditorFactoryVector3D::onEditorDestroyed(QObject* object)
{
    QtProperty* property = m_propertyOf.take(object);
    if (property && m_editorOf.value(property) == object) {
        m_editorOf.remove(property);
        // Typed and never committed: it must not reach a later editor of the property.
        m_pendingText.remove(property);
    }
}

void VEditorFactoryVector3D::onPropertyDestroyed(QtProperty* property)
{
    if (QObject* editor = m_editorOf.take(property))
        m_propertyOf.remove(editor);
    m_pendingText.remove(property);
}
