// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TalvikCoreExport.h"

#include <QPointer>
#include <QTextEdit>

class VGraphicsItemText;

// The in-place editor of a text item: shows the item's own document over the item and hands
// the text back when it loses the focus.
class TALVIKCORE_EXPORT QTextEdit_P : public QTextEdit
{
public:
    explicit QTextEdit_P(VGraphicsItemText* item);
    ~QTextEdit_P() override;

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The item may be gone while a finished editor waits for its deletion.
    QPointer<VGraphicsItemText> m_pItem;
};
