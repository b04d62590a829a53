// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPixmap>

#include "QtAbstractPropertyManager.h"
#include "TalvikCoreExport.h"

#include <QHash>
#include <QVariant>
#include <QVariantMap>

// The type of a property choosing one of its "enumNames"; its value is the index.
struct QtEnumPropertyType
{
};
Q_DECLARE_METATYPE(QtEnumPropertyType)

// Properties of the simple value types, each held as a QVariant: double and int (with
// "minimum", "maximum", "singleStep", and "decimals" for doubles), bool, QString, QColor,
// QFont and enumerations. A value outside the range is clamped; one that is no value of the
// type (text for a number, a NaN, an invalid colour) is refused.
class TALVIKCORE_EXPORT QtVariantPropertyManager : public QtAbstractPropertyManager
{
    Q_OBJECT

public:
    explicit QtVariantPropertyManager(QObject* parent = nullptr);
    ~QtVariantPropertyManager() override;

    static int enumTypeId();
    // The little square of a colour that the tree and the colour editor show beside its text.
    static QPixmap colorSwatch(const QColor& color);

    // Null for a type the manager cannot hold.
    virtual QtProperty* addProperty(int propertyType, const QString& name = QString());
    virtual bool isPropertyTypeSupported(int propertyType) const;

    int propertyType(const QtProperty* property) const;
    QVariant value(const QtProperty* property) const;
    QVariant attributeValue(const QtProperty* property, const QString& attribute) const;

public slots:
    virtual void setValue(QtProperty* property, const QVariant& value);
    virtual void setAttribute(QtProperty* property, const QString& attribute,
                              const QVariant& value);

signals:
    void valueChanged(QtProperty* property, const QVariant& value);
    void attributeChanged(QtProperty* property, const QString& attribute, const QVariant& value);

protected:
    QString valueText(const QtProperty* property) const override;
    QIcon valueIcon(const QtProperty* property) const override;
    void initializeProperty(QtProperty* property) override;
    void uninitializeProperty(QtProperty* property) override;

    // The value as the property's type holds it, clamped into its range; invalid when it is
    // none.
    QVariant acceptableValue(const QtProperty* property, const QVariant& value) const;

private:
    struct Data
    {
        int type = QMetaType::UnknownType;
        QVariant value;
        QVariantMap attributes;
    };

    QHash<const QtProperty*, Data> m_data;
    int m_nNextType = QMetaType::UnknownType;
};
