// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VGraphicsItemText.h"

#include "data/VDataConvert.h"
#include "foundation/VRestorePainter.h"
#include "QTextEdit_P.h"
#include "VGraphicsItemChangeNotifier.h"
#include "VGraphicsItemCopy.h"
#include "VGraphicsLayer.h"
#include "VGraphicsScene.h"

#include <QGraphicsProxyWidget>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>

VGraphicsItemText::VGraphicsItemText(VGraphicsItem* parent)
    : VGraphicsItemRectangle(parent), m_pDocument(std::make_unique<QTextDocument>())
{
    connect(m_pDocument.get(), &QTextDocument::contentsChanged, this,
            &VGraphicsItemText::onChanged);
    // No border; the zero-width rule still shows a dotted frame while selected or drawn.
    setStrokeWidth(0);
}

VGraphicsItemText::VGraphicsItemText() : VGraphicsItemText(nullptr) {}

VGraphicsItemText::~VGraphicsItemText()
{
    m_pDocument->disconnect(this);
    // The proxy goes with its widget.
    delete m_pEditor.data();
}

void VGraphicsItemText::setPlainText(const QString& s)
{
    VGraphicsItemChangeNotifier notifier(this);
    m_textData.set_text(s.toStdString());
    m_textData.set_format(VFileFormat::GraphicsItemText::Plain);
    m_pDocument->setPlainText(s);
}

void VGraphicsItemText::setHtml(const QString& s)
{
    VGraphicsItemChangeNotifier notifier(this);
    m_textData.set_text(s.toStdString());
    m_textData.set_format(VFileFormat::GraphicsItemText::Html);
    m_pDocument->setHtml(s);
}

QString VGraphicsItemText::plainText() const
{
    return QString::fromStdString(m_textData.text());
}

bool VGraphicsItemText::isHtml() const
{
    return m_textData.format() == VFileFormat::GraphicsItemText::Html;
}

QFont VGraphicsItemText::font() const
{
    return VDataConvert::toFont(m_textData.font());
}

void VGraphicsItemText::setFont(const QFont& font)
{
    VGraphicsItemChangeNotifier notifier(this);
    VDataConvert::assign(m_textData.mutable_font(), font);
    m_pDocument->setDefaultFont(font);
}

void VGraphicsItemText::scaleDefaults(double factor)
{
    VGraphicsItemRectangle::scaleDefaults(factor);
    QFont scaled = m_textData.has_font() ? font() : m_pDocument->defaultFont();
    scaled.setPointSizeF(scaled.pointSizeF() * factor);
    setFont(scaled);
}

void VGraphicsItemText::onChanged()
{
    QRectF r = rectangle();
    // A width the box gave itself keeps following the text; any other width was chosen.
    const bool autoWidth = qFuzzyCompare(r.width(), m_autoWidth);
    m_pDocument->setTextWidth(autoWidth ? -1 : r.width());
    const QSize s = m_pDocument->size().toSize() + QSize(1, 1);
    if (autoWidth) {
        r.setWidth(s.width());
        m_autoWidth = s.width();
    }
    if (s.height() > r.height())
        r.setHeight(s.height());
    setBoundary(r);
    if (m_pEditor)
        fitEditor(r, s);
}

void VGraphicsItemText::fitEditor(const QRectF& r, const QSize& s)
{
    m_pEditor->setFixedSize(s);
    QGraphicsProxyWidget* proxy = m_pEditor->graphicsProxyWidget();
    if (!proxy)
        return;
    if (QGraphicsScene* main = proxy->scene())
        main->invalidate(proxy->sceneBoundingRect(), QGraphicsScene::AllLayers);
    proxy->setMaximumSize(s);
    proxy->resize(s);
    // The proxy applies its position after the item's transform, so the offset inside the box
    // is turned and scaled here, or a transformed box would lose its editor.
    const QTransform t = sceneTransform();
    const QPointF offset =
        r.topLeft() + QPointF((r.width() - s.width()) * 0.5, (r.height() - s.height()) * 0.5);
    proxy->setTransform(t);
    proxy->setPos(t.map(offset) - t.map(QPointF(0, 0)));
}

QPainterPath VGraphicsItemText::shape() const
{
    QPainterPath path;
    path.addRect(rectangle());
    return path;
}

void VGraphicsItemText::paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
                              QWidget* widget)
{
    // Meanwhile the editor shows the text.
    if (m_pEditor)
        return;
    VRestorePainter restore(*painter);
    VGraphicsItemRectangle::paint(painter, option, widget);
    const QRectF r = boundary();
    const QSizeF d = m_pDocument->size();
    painter->translate(r.left() - 1 + (r.width() - d.width()) * 0.5,
                       r.top() - 1 + (r.height() - d.height()) * 0.5);
    m_pDocument->drawContents(painter);
}

QList<VGrip*>* VGraphicsItemText::createGrips() const
{
    if (!m_pEditor)
        return VGraphicsItemRectangle::createGrips();
    // An empty list, not none: the grip manager keeps the item and brings its grips back with
    // the change that ends the editing.
    return layer() ? new QList<VGrip*>() : nullptr;
}

void VGraphicsItemText::startEditing(const QPointF& caretAt)
{
    const bool started = !m_pEditor;
    startEditing();
    if (started && m_pEditor)
        placeCaret(caretAt);
}

void VGraphicsItemText::placeCaret(const QPointF& scenePos)
{
    const QGraphicsProxyWidget* proxy = m_pEditor->graphicsProxyWidget();
    if (!proxy)
        return;
    const QPoint inEditor = proxy->mapFromScene(scenePos).toPoint();
    const QPoint inViewport = m_pEditor->viewport()->mapFrom(m_pEditor.data(), inEditor);
    m_pEditor->setTextCursor(m_pEditor->cursorForPosition(inViewport));
}

void VGraphicsItemText::startEditing()
{
    if (m_pEditor)
        return;
    const VGraphicsLayer* pLayer = layer();
    VGraphicsScene* pScene = pLayer ? pLayer->scene() : nullptr;
    if (!pScene)
        return;
    // The whole session is one undo step, and undo ends it first.
    m_pHistory = &pScene->history();
    m_pHistory->beginGroup(this, [this] { stopEditing(); });
    auto* editor = new QTextEdit_P(this);
    m_pEditor = editor;
    editor->setDocument(m_pDocument.get());
    editor->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    editor->setFrameShape(QFrame::NoFrame);
    editor->setAlignment(Qt::AlignVCenter);
    QGraphicsProxyWidget* proxy = pScene->addWidget(editor);
    proxy->setTransform(sceneTransform());
    onChanged();
    proxy->setFocus(Qt::MouseFocusReason);
    editor->setFocus(Qt::MouseFocusReason);
    pScene->gripManager().updateGrips(this);
    update();
}

void VGraphicsItemText::stopEditing()
{
    if (!m_pEditor)
        return;
    VGraphicsItemChangeNotifier notifier(this);
    // Forgotten first: hiding a focused editor sends it another focus-out.
    QTextEdit_P* editor = m_pEditor;
    m_pEditor = nullptr;
    // HTML stays HTML, so the stored text still reads back as what the user sees.
    const QString text = isHtml() ? m_pDocument->toHtml() : m_pDocument->toPlainText();
    m_textData.set_text(text.toStdString());
    editor->hide();
    editor->deleteLater();
    if (m_pHistory)
        m_pHistory->endGroup(this);
    m_pHistory = nullptr;
}

bool VGraphicsItemText::copy(const VGraphicsItem* other)
{
    const auto showText = [this] {
        // Only a stored font is the text's own; without one the document keeps its default.
        if (m_textData.has_font())
            m_pDocument->setDefaultFont(font());
        // A copy, such as a drag preview, shows its text at once.
        if (isHtml())
            m_pDocument->setHtml(plainText());
        else
            m_pDocument->setPlainText(plainText());
    };
    return copyItem<VGraphicsItemRectangle>(this, other, &VGraphicsItemText::m_textData,
                                            &VGraphicsItemText::m_autoWidth, showText);
}

void VGraphicsItemText::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    // Not passed to the default handling; the box still takes the press, so its release
    // selects an unselected box.
    if (isSelected())
        startEditing(event->scenePos());
}

void VGraphicsItemText::mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event)
{
    startEditing(event->scenePos());
}

QByteArray VGraphicsItemText::encodedMessages() const
{
    return VGraphicsItemRectangle::encodedMessages() + encoded(m_textData);
}
