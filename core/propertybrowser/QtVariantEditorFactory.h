// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "QtAbstractEditorFactory.h"
#include "QtVariantPropertyManager.h"
#include "TalvikCoreExport.h"

#include <QHash>
#include <QList>

// Editors for the properties of a QtVariantPropertyManager: spin boxes for numbers (written
// when the edit is finished, so Escape can still take it back), a check box, a line edit for
// text, a line edit with a swatch that opens the colour dialog, a font field that opens the
// font dialog, and a combo box for enumerations.
class TALVIKCORE_EXPORT QtVariantEditorFactory
    : public QtAbstractEditorFactory<QtVariantPropertyManager>
{
    Q_OBJECT

public:
    explicit QtVariantEditorFactory(QObject* parent = nullptr);
    ~QtVariantEditorFactory() override;

    using QtAbstractEditorFactory<QtVariantPropertyManager>::createEditor;

protected:
    void connectPropertyManager(QtVariantPropertyManager* manager) override;
    QWidget* createEditor(QtVariantPropertyManager* manager, QtProperty* property,
                          QWidget* parent) override;
    void disconnectPropertyManager(QtVariantPropertyManager* manager) override;

private:
    void onValueChanged(QtProperty* property, const QVariant& value);
    void onPropertyDestroyed(QtProperty* property);
    // Writes what an editor commits, unless the editor no longer stands for the property.
    void commit(QWidget* editor, QtVariantPropertyManager* manager, QtProperty* property,
                const QVariant& value);
    void showValue(QWidget* editor, const QtVariantPropertyManager* manager,
                   QtProperty* property) const;
    QWidget* createColorEditor(QtVariantPropertyManager* manager, QtProperty* property,
                               QWidget* parent);
    QWidget* createFontEditor(QtVariantPropertyManager* manager, QtProperty* property,
                              QWidget* parent);

    QHash<QtProperty*, QList<QWidget*>> m_editors;
};
