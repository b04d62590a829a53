// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "propertybrowser/QtTreePropertyBrowser.h"
#include "TalvikCoreExport.h"

#include <QList>
#include <QMap>
#include <QMetaProperty>
#include <QPointer>
#include <QSet>
#include <QVector3D>

class QtVariantEditorFactory;
class VCanvas;
class VEditorFactoryVector3D;
class VGraphicsItem;
class VPropertyManagerVariant;
class VPropertyManagerVector3D;

// Edits the Qt properties that all items selected on a canvas have in common. A value the
// items disagree on reads "*VARIOUS*"; an edited value goes to every selected item.
class TALVIKCORE_EXPORT VWidgetPropertyBrowser : public QtTreePropertyBrowser
{
    Q_OBJECT

public:
    // The canvas may be null; the browser then shows what setItems gives it.
    VWidgetPropertyBrowser(QWidget* parent, VCanvas* canvas);
    ~VWidgetPropertyBrowser() override;

    QList<VGraphicsItem*> items() const;

public slots:
    void setItems(QList<VGraphicsItem*> items);
    void onValueChanged(QtProperty* property, QVector3D value);
    void onValueChanged(QtProperty* property, QVariant value);

protected slots:
    void onPropertyDestroyed(QtProperty* property);
    void onItemChanged(const VGraphicsItem* item);
    void onCollaplsed(QtBrowserItem* item);
    void onExpanded(QtBrowserItem* item);

private:
    void resetProperties();
    void updateProperties();
    void connectSignals();
    void disconnectSignals();
    // Adds the browser property for a Qt property of the items; null for a type that cannot
    // be edited.
    QtProperty* createProperty(const QMetaProperty& metaProperty);
    void writeToItems(QtProperty* property, const QVariant& value);
    void forgetItem(QObject* item);

    QPointer<VCanvas> m_pCanvas;
    // Guarded: an item deleted without leaving the selection first must not be read.
    QList<QPointer<VGraphicsItem>> m_items;
    QList<QMetaObject::Connection> m_itemConnections;
    QMap<QtProperty*, QMetaProperty> m_propertyMap;
    VPropertyManagerVariant* m_pVariantManager;
    QtVariantEditorFactory* m_pVariantFactory;
    VPropertyManagerVector3D* m_pVectorManager;
    VEditorFactoryVector3D* m_pVectorFactory;
    QSet<QString> m_expandedNames;
    QList<QMetaObject::Connection> m_managerConnections;
    bool m_bWriting = false;
};
