// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QtTreePropertyBrowser.h"

#include "QtPropertyEditorDelegate.h"

#include <QEvent>
#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

QtTreePropertyBrowser::QtTreePropertyBrowser(QWidget* parent)
    : QWidget(parent), m_pTree(new QTreeWidget(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pTree);
    m_pTree->setColumnCount(2);
    m_pTree->setItemDelegate(new QtPropertyEditorDelegate(this));
    m_pTree->setAlternatingRowColors(true);
    m_pTree->setUniformRowHeights(true);
    m_pTree->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pTree->setSelectionMode(QAbstractItemView::SingleSelection);
    // A value opens its editor when it becomes current, by a click or by Tab from the editor
    // above; a click on the name only selects the row.
    m_pTree->setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed);
    m_pTree->header()->setSectionResizeMode(0, QHeaderView::Interactive);
    m_pTree->header()->setStretchLastSection(true);
    m_pTree->header()->resizeSection(0, 120);
    setFocusProxy(m_pTree);
    retranslate();

    connect(m_pTree, &QTreeWidget::clicked, this, [this](const QModelIndex& index) {
        if (index.column() == 1)
            m_pTree->edit(index);
    });
    connect(m_pTree, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) {
        if (QtBrowserItem* browserItem = this->browserItem(item))
            emit expanded(browserItem);
    });
    connect(m_pTree, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* item) {
        if (QtBrowserItem* browserItem = this->browserItem(item))
            emit collapsed(browserItem);
    });
    connect(m_pTree, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { emit currentItemChanged(browserItem(item)); });
}

QtTreePropertyBrowser::~QtTreePropertyBrowser()
{
    // Neither the tree, which goes later with the widget's children, nor managers that
    // outlive the browser may reach it any more.
    disconnect(m_pTree, nullptr, this, nullptr);
    for (const QtAbstractPropertyManager* manager : std::as_const(m_watched))
        disconnect(manager, nullptr, this, nullptr);
}

QList<QtProperty*> QtTreePropertyBrowser::properties() const
{
    QList<QtProperty*> result;
    for (const auto& item : m_topLevel)
        result.append(item->property());
    return result;
}

QList<QtBrowserItem*> QtTreePropertyBrowser::topLevelItems() const
{
    QList<QtBrowserItem*> result;
    for (const auto& item : m_topLevel)
        result.append(item.get());
    return result;
}

QtBrowserItem* QtTreePropertyBrowser::topLevelItem(const QtProperty* property) const
{
    for (const auto& item : m_topLevel)
        if (item->property() == property)
            return item.get();
    return nullptr;
}

QList<QtBrowserItem*> QtTreePropertyBrowser::items(const QtProperty* property) const
{
    return m_items.value(property);
}

QtBrowserItem* QtTreePropertyBrowser::addProperty(QtProperty* property)
{
    if (!property || topLevelItem(property))
        return nullptr;
    return createItem(property, nullptr, m_topLevel.empty() ? nullptr : m_topLevel.back().get());
}

void QtTreePropertyBrowser::removeProperty(QtProperty* property)
{
    if (QtBrowserItem* item = topLevelItem(property))
        removeItem(item);
}

void QtTreePropertyBrowser::clear()
{
    while (!m_topLevel.empty())
        removeItem(m_topLevel.back().get());
}

void QtTreePropertyBrowser::unsetFactoryForManager(QtAbstractPropertyManager* manager)
{
    m_factories.remove(manager);
}

bool QtTreePropertyBrowser::isExpanded(const QtBrowserItem* item) const
{
    const QTreeWidgetItem* treeItem = m_treeItems.value(item);
    return treeItem && treeItem->isExpanded();
}

void QtTreePropertyBrowser::setExpanded(QtBrowserItem* item, bool expanded)
{
    if (QTreeWidgetItem* treeItem = m_treeItems.value(item))
        treeItem->setExpanded(expanded);
}

QtBrowserItem* QtTreePropertyBrowser::currentItem() const
{
    return browserItem(m_pTree->currentItem());
}

void QtTreePropertyBrowser::setCurrentItem(QtBrowserItem* item)
{
    m_pTree->setCurrentItem(m_treeItems.value(item), 1);
}

void QtTreePropertyBrowser::editItem(QtBrowserItem* item)
{
    if (QTreeWidgetItem* treeItem = m_treeItems.value(item)) {
        m_pTree->setCurrentItem(treeItem, 1);
        m_pTree->editItem(treeItem, 1);
    }
}

void QtTreePropertyBrowser::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        for (auto it = m_treeItems.cbegin(); it != m_treeItems.cend(); ++it)
            refresh(const_cast<QtBrowserItem*>(it.key()));
    }
    QWidget::changeEvent(event);
}

void QtTreePropertyBrowser::retranslate()
{
    m_pTree->setHeaderLabels({tr("Property"), tr("Value")});
    m_pTree->setAccessibleName(tr("Properties"));
}

void QtTreePropertyBrowser::watchManager(QtAbstractPropertyManager* manager)
{
    if (m_watched.contains(manager))
        return;
    m_watched.insert(manager);
    connect(manager, &QtAbstractPropertyManager::propertyInserted, this,
            &QtTreePropertyBrowser::onPropertyInserted);
    connect(manager, &QtAbstractPropertyManager::propertyRemoved, this,
            &QtTreePropertyBrowser::onPropertyRemoved);
    connect(manager, &QtAbstractPropertyManager::propertyChanged, this,
            &QtTreePropertyBrowser::onPropertyChanged);
    connect(manager, &QtAbstractPropertyManager::propertyDestroyed, this,
            &QtTreePropertyBrowser::onPropertyDestroyed);
    connect(manager, &QObject::destroyed, this, [this, manager] {
        m_watched.remove(manager);
        m_factories.remove(manager);
    });
}

QtBrowserItem* QtTreePropertyBrowser::createItem(QtProperty* property, QtBrowserItem* parent,
                                                 QtBrowserItem* after)
{
    watchManager(property->propertyManager());
    auto owned = std::make_unique<QtBrowserItem>(this, property, parent);
    QtBrowserItem* item = owned.get();
    auto& siblings = parent ? parent->m_children : m_topLevel;
    auto position = siblings.begin();
    if (after) {
        position = std::find_if(siblings.begin(), siblings.end(),
                                [after](const auto& sibling) { return sibling.get() == after; });
        if (position != siblings.end())
            ++position;
    }
    const int row = int(position - siblings.begin());
    siblings.insert(position, std::move(owned));

    auto* treeItem = new QTreeWidgetItem;
    treeItem->setData(0, Qt::UserRole, QVariant::fromValue<void*>(item));
    treeItem->setData(1, Qt::UserRole, QVariant::fromValue<void*>(item));
    if (parent)
        m_treeItems.value(parent)->insertChild(row, treeItem);
    else
        m_pTree->insertTopLevelItem(row, treeItem);
    m_treeItems.insert(item, treeItem);
    m_items[property].append(item);
    refresh(item);

    QtBrowserItem* previous = nullptr;
    for (QtProperty* sub : property->subProperties())
        previous = createItem(sub, item, previous);
    return item;
}

void QtTreePropertyBrowser::removeItem(QtBrowserItem* item)
{
    while (!item->m_children.empty())
        removeItem(item->m_children.back().get());
    // The tree item goes first: its open editor closes while the property still exists.
    delete m_treeItems.take(item);
    auto it = m_items.find(item->property());
    if (it != m_items.end() && it->removeOne(item) && it->isEmpty())
        m_items.erase(it);
    auto& siblings = item->parent() ? item->parent()->m_children : m_topLevel;
    const auto position =
        std::find_if(siblings.begin(), siblings.end(),
                     [item](const auto& sibling) { return sibling.get() == item; });
    if (position != siblings.end())
        siblings.erase(position);
}

void QtTreePropertyBrowser::refresh(QtBrowserItem* item)
{
    QTreeWidgetItem* treeItem = m_treeItems.value(item);
    if (!treeItem)
        return;
    const QtProperty* property = item->property();
    const bool enabled = property->isEnabled() &&
                         (!item->parent() || treeItem->parent()->flags() & Qt::ItemIsEnabled);
    Qt::ItemFlags flags = Qt::ItemIsSelectable;
    if (enabled)
        flags |= Qt::ItemIsEnabled;
    if (enabled && hasEditor(item))
        flags |= Qt::ItemIsEditable;
    treeItem->setFlags(flags);
    treeItem->setText(0, property->propertyName());
    treeItem->setText(1, property->hasValue() ? property->valueText() : QString());
    treeItem->setIcon(1, property->hasValue() ? property->valueIcon() : QIcon());
    treeItem->setToolTip(1, treeItem->text(1));
    for (QtBrowserItem* child : item->children())
        refresh(child);
}

QtBrowserItem* QtTreePropertyBrowser::browserItem(const QTreeWidgetItem* item) const
{
    return item ? static_cast<QtBrowserItem*>(item->data(0, Qt::UserRole).value<void*>()) : nullptr;
}

bool QtTreePropertyBrowser::hasEditor(const QtBrowserItem* item) const
{
    return !m_factories.value(item->property()->propertyManager()).isNull();
}

QWidget* QtTreePropertyBrowser::createEditor(QtBrowserItem* item, QWidget* parent) const
{
    const QTreeWidgetItem* treeItem = m_treeItems.value(item);
    if (!treeItem || !(treeItem->flags() & Qt::ItemIsEditable))
        return nullptr;
    QtAbstractEditorFactoryBase* factory = m_factories.value(item->property()->propertyManager());
    return factory ? factory->createEditor(item->property(), parent) : nullptr;
}

void QtTreePropertyBrowser::onPropertyInserted(QtProperty* property, QtProperty* parent,
                                               QtProperty* after)
{
    for (QtBrowserItem* parentItem : m_items.value(parent)) {
        QtBrowserItem* afterItem = nullptr;
        for (QtBrowserItem* child : parentItem->children())
            if (child->property() == after)
                afterItem = child;
        createItem(property, parentItem, afterItem);
    }
}

void QtTreePropertyBrowser::onPropertyRemoved(QtProperty* property, QtProperty* parent)
{
    for (QtBrowserItem* parentItem : m_items.value(parent))
        for (QtBrowserItem* child : parentItem->children())
            if (child->property() == property)
                removeItem(child);
}

void QtTreePropertyBrowser::onPropertyChanged(QtProperty* property)
{
    for (QtBrowserItem* item : m_items.value(property))
        refresh(item);
}

void QtTreePropertyBrowser::onPropertyDestroyed(QtProperty* property)
{
    removeProperty(property);
}
