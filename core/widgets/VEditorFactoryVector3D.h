// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "propertybrowser/QtAbstractEditorFactory.h"
#include "TalvikCoreExport.h"
#include "VPropertyManagerVector3D.h"

#include <QHash>

class QLineEdit;

// A line edit for a vector property. It takes the first two numbers of the text typed since
// the last commit as x and y when the edit is finished; a text without two numbers changes
// nothing and the editor shows the value again.
class TALVIKCORE_EXPORT VEditorFactoryVector3D
    : public QtAbstractEditorFactory<VPropertyManagerVector3D>
{
    Q_OBJECT

public:
    explicit VEditorFactoryVector3D(QObject* parent = nullptr);
    ~VEditorFactoryVector3D() override;

    using QtAbstractEditorFactory<VPropertyManagerVector3D>::createEditor;

protected:
    QWidget* createEditor(VPropertyManagerVector3D* manager, QtProperty* property,
                          QWidget* parent) override;
    void connectPropertyManager(VPropertyManagerVector3D* manager) override;
    void disconnectPropertyManager(VPropertyManagerVector3D* manager) override;

private slots:
    void onPropertyChanged(QtProperty* property, const QVector3D& value);
    void onSetValue();
    void onValueChanged(const QString& text);
    void onEditorDestroyed(QObject* object);
    void onPropertyDestroyed(QtProperty* property);

private:
    QHash<QtProperty*, QLineEdit*> m_editorOf;
    QHash<QObject*, QtProperty*> m_propertyOf;
    QHash<QtProperty*, QString> m_pendingText;
};
