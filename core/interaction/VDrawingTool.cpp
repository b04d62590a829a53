// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VDrawingTool.h"

#include "VCreatePromptEllipse.h"
#include "VCreatePromptHighlighter.h"
#include "VCreatePromptLine.h"
#include "VCreatePromptObfuscate.h"
#include "VCreatePromptPen.h"
#include "VCreatePromptPolygon.h"
#include "VCreatePromptPolyline.h"
#include "VCreatePromptRectangle.h"
#include "VCreatePromptStepMarker.h"
#include "VCreatePromptText.h"
#include "widgets/VCanvas.h"

#include <QCoreApplication>
#include <QToolButton>

namespace {

template <class Prompt>
VCreatePrompt* make()
{
    return new Prompt;
}

QString translated(const char* text)
{
    return *text ? QCoreApplication::translate("VDrawingTool", text) : QString();
}

} // namespace

QString VDrawingTool::translatedText() const
{
    return translated(text);
}

QString VDrawingTool::translatedToolTip() const
{
    return translated(toolTip);
}

QToolButton* VDrawingTool::createButton(QWidget* pParent) const
{
    auto* pButton = new QToolButton(pParent);
    pButton->setObjectName(objectName());
    pButton->setIcon(QIcon(icon));
    pButton->setIconSize(QSize(36, 36));
    pButton->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    pButton->setAutoRaise(true);
    pButton->setFocusPolicy(Qt::NoFocus);
    translate(pButton);
    return pButton;
}

void VDrawingTool::translate(QToolButton* pButton) const
{
    pButton->setText(translatedText());
    pButton->setToolTip(translatedToolTip());
}

void VDrawingTool::start(VCanvas* canvas) const
{
    VCreatePrompt* pPrompt = newPrompt();
    pPrompt->start(canvas);
    if (!bSeries)
        return;
    // Connected after the start, so the scene has let go of this prompt when the next begins.
    QObject::connect(
        pPrompt, &VCreatePrompt::finished, canvas, [tool = *this, canvas] { tool.start(canvas); },
        Qt::QueuedConnection);
}

QList<VDrawingTool> VDrawingTool::coreTools()
{
    const auto tool = [](const char* name, const char* text, const char* toolTip, const char* icon,
                         Qt::Key key, std::function<VCreatePrompt*()> create,
                         bool bSeries = false) {
        return VDrawingTool{QString::fromLatin1(name),
                            text,
                            toolTip,
                            QStringLiteral(":/images/SubTool%1.png").arg(QLatin1String(icon)),
                            QKeySequence(key),
                            std::move(create),
                            bSeries};
    };
    return {
        tool("Line", QT_TRANSLATE_NOOP("VDrawingTool", "Line"), "", "Line", Qt::Key_L,
             make<VCreatePromptLine>),
        tool("Polyline", QT_TRANSLATE_NOOP("VDrawingTool", "Polyline"), "", "Polyline", Qt::Key_P,
             make<VCreatePromptPolyline>),
        tool("Rectangle", QT_TRANSLATE_NOOP("VDrawingTool", "Rectangle"), "", "Rect", Qt::Key_R,
             make<VCreatePromptRectangle>),
        tool("Polygon", QT_TRANSLATE_NOOP("VDrawingTool", "Polygon"), "", "Polygon", Qt::Key_G,
             make<VCreatePromptPolygon>),
        tool("Text", QT_TRANSLATE_NOOP("VDrawingTool", "Text"), "", "Text", Qt::Key_T,
             make<VCreatePromptText>),
        tool("Ellipse", QT_TRANSLATE_NOOP("VDrawingTool", "Ellipse"),
             QT_TRANSLATE_NOOP("VDrawingTool", "Draw an ellipse in the dragged box"), "Ellipse",
             Qt::Key_E, make<VCreatePromptEllipse>),
        tool("Pen", QT_TRANSLATE_NOOP("VDrawingTool", "Pen"),
             QT_TRANSLATE_NOOP("VDrawingTool", "Draw freehand"), "Pen", Qt::Key_F,
             make<VCreatePromptPen>),
        tool("Highlighter", QT_TRANSLATE_NOOP("VDrawingTool", "Highlighter"),
             QT_TRANSLATE_NOOP("VDrawingTool", "Mark text and details with a marker stroke"),
             "Highlighter", Qt::Key_H, make<VCreatePromptHighlighter>),
        tool("Obfuscate", QT_TRANSLATE_NOOP("VDrawingTool", "Obfuscate"),
             QT_TRANSLATE_NOOP("VDrawingTool", "Pixelate or blur an area that must stay secret"),
             "Obfuscate", Qt::Key_O, make<VCreatePromptObfuscate>),
        tool("StepMarker", QT_TRANSLATE_NOOP("VDrawingTool", "Step"),
             QT_TRANSLATE_NOOP("VDrawingTool", "Place the next numbered step marker"), "StepMarker",
             Qt::Key_N, make<VCreatePromptStepMarker>, true),
    };
}
