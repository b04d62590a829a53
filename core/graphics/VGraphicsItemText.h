// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data.pb.h"
#include "TalvikCoreExport.h"
#include "VGraphicsItemRectangle.h"

#include <QFont>
#include <QPointer>
#include <QString>
#include <QTextDocument>

#include <memory>

class QGraphicsSceneMouseEvent;
class QTextEdit_P;
class VGraphicsHistory;

// A text box: a rectangle showing a document centred in it. Until the user gives it a width it
// follows the natural width of its text; its height grows with the text and never shrinks by
// itself. It is edited in place by an editor over it that shares its document.
class TALVIKCORE_EXPORT VGraphicsItemText : public VGraphicsItemRectangle
{
    Q_OBJECT
    Q_PROPERTY(
        QString text READ plainText WRITE setPlainText DESIGNABLE true SCRIPTABLE true STORED true)

public:
    Q_INVOKABLE explicit VGraphicsItemText(VGraphicsItem* parent);
    Q_INVOKABLE VGraphicsItemText();
    ~VGraphicsItemText() override;

    QByteArray encodedMessages() const override;

    void setPlainText(const QString& s);
    void setHtml(const QString& s);
    // The stored text: the HTML source for an HTML item.
    QString plainText() const;
    bool isHtml() const;

    // Stored with the item; the document keeps its own font.
    QFont font() const;
    void setFont(const QFont& font);
    void scaleDefaults(double factor) override;

    // Only for an item in a layer of a scene.
    void startEditing();
    // With the caret at the text nearest to that scene point.
    void startEditing(const QPointF& caretAt);
    void stopEditing();
    bool isEditing() const { return !m_pEditor.isNull(); }

    // None while the text is edited: they would sit over the letters and take the clicks
    // meant for them.
    QList<VGrip*>* createGrips() const override;

    QPainterPath shape() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
               QWidget* widget = nullptr) override;

signals:
    void linkActivated(QString link);
    void linkHovered(QString link);

protected slots:
    // Fits the box, and the editor if any, to the text.
    void onChanged() override;

protected:
    bool copy(const VGraphicsItem* other) override;
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event) override;

private:
    void fitEditor(const QRectF& r, const QSize& s);
    void placeCaret(const QPointF& scenePos);

    VFileFormat::GraphicsItemText m_textData;
    QPointer<QTextEdit_P> m_pEditor;
    // Where the editing session is one step; the item may leave the scene meanwhile.
    QPointer<VGraphicsHistory> m_pHistory;
    std::unique_ptr<QTextDocument> m_pDocument;
    double m_autoWidth = 0;
};
