// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "QtAbstractEditorFactory.h"
#include "QtBrowserItem.h"
#include "TalvikCoreExport.h"

#include <QHash>
#include <QPointer>
#include <QWidget>

#include <memory>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

// Shows properties as a tree of two columns, name and value. A click on a value opens the
// editor that the factory set for the property's manager; as in a table, Tab moves to the next
// value, Enter commits and Escape takes the edit back.
class TALVIKCORE_EXPORT QtTreePropertyBrowser : public QWidget
{
    Q_OBJECT
    friend class QtPropertyEditorDelegate;

public:
    explicit QtTreePropertyBrowser(QWidget* parent = nullptr);
    ~QtTreePropertyBrowser() override;

    QList<QtProperty*> properties() const;
    QList<QtBrowserItem*> topLevelItems() const;
    QtBrowserItem* topLevelItem(const QtProperty* property) const;
    QList<QtBrowserItem*> items(const QtProperty* property) const;

    QtBrowserItem* addProperty(QtProperty* property);
    void removeProperty(QtProperty* property);
    void clear();

    template <class PropertyManager>
    void setFactoryForManager(PropertyManager* manager,
                              QtAbstractEditorFactory<PropertyManager>* factory)
    {
        factory->addPropertyManager(manager);
        m_factories.insert(manager, factory);
        watchManager(manager);
    }
    void unsetFactoryForManager(QtAbstractPropertyManager* manager);

    bool isExpanded(const QtBrowserItem* item) const;
    void setExpanded(QtBrowserItem* item, bool expanded);
    QtBrowserItem* currentItem() const;
    void setCurrentItem(QtBrowserItem* item);
    // Opens the value editor of the item, if it has one.
    void editItem(QtBrowserItem* item);

signals:
    void collapsed(QtBrowserItem* item);
    void expanded(QtBrowserItem* item);
    void currentItemChanged(QtBrowserItem* item);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void watchManager(QtAbstractPropertyManager* manager);
    QtBrowserItem* createItem(QtProperty* property, QtBrowserItem* parent, QtBrowserItem* after);
    void removeItem(QtBrowserItem* item);
    void refresh(QtBrowserItem* item);
    QtBrowserItem* browserItem(const QTreeWidgetItem* item) const;
    QWidget* createEditor(QtBrowserItem* item, QWidget* parent) const;
    bool hasEditor(const QtBrowserItem* item) const;

    void onPropertyInserted(QtProperty* property, QtProperty* parent, QtProperty* after);
    void onPropertyRemoved(QtProperty* property, QtProperty* parent);
    void onPropertyChanged(QtProperty* property);
    void onPropertyDestroyed(QtProperty* property);

    QTreeWidget* m_pTree;
    std::vector<std::unique_ptr<QtBrowserItem>> m_topLevel;
    QHash<const QtProperty*, QList<QtBrowserItem*>> m_items;
    QHash<const QtBrowserItem*, QTreeWidgetItem*> m_treeItems;
    QHash<const QtAbstractPropertyManager*, QPointer<QtAbstractEditorFactoryBase>> m_factories;
    QSet<const QtAbstractPropertyManager*> m_watched;
};
