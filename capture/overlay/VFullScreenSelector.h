// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "grab/VWindowNode.h"
#include "output/VDelivery.h"
#include "VOverlayOutput.h"

#include <QDialog>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QRect>

#include <functional>
#include <memory>
#include <optional>

class QWidget;
class VCanvas;
class VCreatePrompt;
class VGraphicsItem;
class VOverlayProperties;
class VOverlayWindow;
class VOverlayToolbars;

namespace Ui {
class VFullScreenSelector;
}

// The frozen screen, dimmed, over the whole monitor: the user picks areas (rectangle, polygon
// or window), which show bright; then annotates them and sends the result to a file, the
// clipboard or a printer. The picture is shown one to one in its device pixels.
class VFullScreenSelector : public QDialog
{
    Q_OBJECT

public:
    explicit VFullScreenSelector(QWidget* parent);
    ~VFullScreenSelector() override;

    // Where the overlay goes: the grabbed monitor, in the toolkit's coordinates. Without it,
    // the primary screen.
    void setPlacement(const QRect& geometry) { m_placement = geometry; }

    // Shows screen (device pixels; windowTree lines up with it) and runs modally to the end.
    // Returns the dialog's result. Moved in, the picture is shown without a copy of its own:
    // the overlay holds it, dims it as it paints it, and keeps no other picture of the screen.
    int runCapture(int mode, QImage screen, const VWindowNode& windowTree);

    VCanvas* canvas() const;
    // The picture the outputs send: every area and annotation, transparent between them.
    QImage renderedImage() const;
    // Where renderedImage lies on the grabbed screen, in its device pixels.
    QRect renderedArea() const;
    // Where the capture went, once the overlay has closed.
    const VDelivery& delivery() const { return m_delivery; }

    // Save hands the picture to this instead of asking for a name: a capture the command line
    // asked for, which knows its target. False with the reason keeps the overlay open.
    using SaveTarget = VOverlayOutput::SaveTarget;
    void setSaveTarget(SaveTarget save) { m_saveTarget = std::move(save); }

public slots:
    // Escape with nothing picked ends the capture; with work on the canvas it keeps it.
    void reject() override;

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void on_toolButtonDelete_clicked();
    void on_toolButtonDrawArrow_clicked();
    void on_toolButtonCancel_clicked();
    void on_toolButtonClipboard_clicked();
    void on_toolButtonSave_clicked();
    void on_toolButtonPrint_clicked();
    void on_toolButtonDrawText_clicked();
    void on_toolButtonDrawPolygon_clicked();
    void on_toolButtonDrawRectangle_clicked();
    void on_toolButtonDrawPolyline_clicked();
    void on_toolButtonDrawLine_clicked();
    void on_toolButtonCaptureWindow_clicked();
    void on_toolButtonCapturePolygon_clicked();
    void on_toolButtonCaptureRectangle_clicked();
    void on_toolButtonCapture_toggled(bool on);
    void on_toolButtonDraw_toggled(bool on);
    void onPostEditing(VCreatePrompt* pPrompt);
    void onItemChanged(const VGraphicsItem* pItem);
    void onPromptCancelled();
    void showDrawOrCaptureTools();
    void addCapture();
    void restoreTools();
    void onSelectionChanged(QList<VGraphicsItem*> items);

private:
    // Window picking needs the desktop's window tree; without one the button says why.
    void nameCanvas();
    void disableWindowPicking();
    void showScreen(QImage screen);
    void applyTexts();
    void startPicker();
    // Closes the overlay as accepted when the picture went somewhere.
    void finishWith(const std::optional<VDelivery>& delivery);
    bool hasWork() const;
    bool isEditing() const;

    std::unique_ptr<Ui::VFullScreenSelector> m_pUi;
    VOverlayToolbars* m_pToolbars = nullptr;
    VOverlayWindow* m_pWindow = nullptr;
    QRect m_placement;
    // The one picture of the screen: the dimmed background while picking and every area share
    // it.
    QPixmap m_screen;
    VWindowNode m_windowTree;
    int m_captureMode = 0;
    VOverlayProperties* m_pProperties = nullptr;
    VDelivery m_delivery;
    SaveTarget m_saveTarget;
};
