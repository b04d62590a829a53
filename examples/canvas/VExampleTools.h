// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class VCanvas;
class VWidgetTools;

// A floating panel on the canvas that starts each drawing tool.
class VExampleTools : public QObject
{
    Q_OBJECT

public:
    explicit VExampleTools(VCanvas* canvas);

    bool eventFilter(QObject* watched, QEvent* event) override;
    VWidgetTools* panel() const { return m_pPanel; }

public slots:
    void deleteSelection();

private:
    // Keeps the page free while the view leaves room above it.
    void placeAbovePage();

    VCanvas* m_pCanvas;
    VWidgetTools* m_pPanel = nullptr;
};
