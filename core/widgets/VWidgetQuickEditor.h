// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TalvikCoreExport.h"
#include "VWidgetTools.h"

#include <QPointer>

class QToolButton;
class VButtonBoard;
class VButtonBoardPenColor;
class VButtonBoardPenWidth;
class VGraphicsItem;

// The panel beside the single selected item that sets its border width and colour, and makes
// the choice the default of new items.
class TALVIKCORE_EXPORT VWidgetQuickEditor : public VWidgetTools
{
    Q_OBJECT

public:
    explicit VWidgetQuickEditor(VCanvas* canvas);
    ~VWidgetQuickEditor() override;

    // Binds the editor to the item and shows it beside it; null unbinds it and hides it.
    void setItem(VGraphicsItem* item);
    VGraphicsItem* item() const { return m_pItem; }
    // Beside the item, fading in; nothing without an item.
    void updatePosition();
    // Moves along with the item when the view zooms or scrolls; nothing while hidden.
    void keepBesideItem();

protected slots:
    void borderStyleSelected(QVariant value);
    void borderWidthSelected(QVariant value);
    void borderColorSelected(QVariant value);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void updateIcons();
    void onItemChanged();
    // False without an item or a canvas.
    bool placeBesideItem();
    static void showValue(QToolButton* button, const VButtonBoard* board, const QVariant& value);

    // Guarded: the item may be deleted while the editor is hidden.
    QPointer<VGraphicsItem> m_pItem;
    VButtonBoardPenWidth* m_pWidthBoard;
    VButtonBoardPenColor* m_pColorBoard;
    QToolButton* m_pWidthButton = nullptr;
    QToolButton* m_pColorButton = nullptr;
    QMetaObject::Connection m_itemChanged;
};
