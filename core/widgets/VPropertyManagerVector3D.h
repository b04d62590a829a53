// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "propertybrowser/QtAbstractPropertyManager.h"
#include "TalvikCoreExport.h"
#include "VPropertyVariousChecker.h"

#include <QHash>
#include <QVector3D>

class QtVariantPropertyManager;

// Properties holding a QVector3D, shown as "(x, y)" with the sub-properties "X" and "Y"
// (doubles of the sub-manager). A z has no sub-property. Components are kept inside the
// property's range; a value with a NaN or an infinity is refused.
class TALVIKCORE_EXPORT VPropertyManagerVector3D : public QtAbstractPropertyManager,
                                                   public VPropertyVariousChecker
{
    Q_OBJECT

public:
    explicit VPropertyManagerVector3D(QtVariantPropertyManager* subManager,
                                      QObject* parent = nullptr);
    ~VPropertyManagerVector3D() override;

    QVector3D value(const QtProperty* property) const;
    // The bounds of x and y, also of the "X" and "Y" sub-properties.
    void setRange(QtProperty* property, double minimum, double maximum);
    // "(x, y)" with two decimals.
    static QString format(const QVector3D& value);

signals:
    void valueChanged(QtProperty* property, const QVector3D& value);

public slots:
    void setValue(QtProperty* property, const QVector3D& value);

protected:
    bool hasValue(const QtProperty* property) const override;
    QString valueText(const QtProperty* property) const override;
    void initializeProperty(QtProperty* property) override;
    void uninitializeProperty(QtProperty* property) override;
    void refreshDisplay(QtProperty* property) override;

private slots:
    void onDoubleChanged(QtProperty* property, const QVariant& value);
    void onPropertyDestroyed(QtProperty* property);

private:
    struct Data
    {
        QVector3D value;
        bool valueSet = false;
        double minimum = -1e6;
        double maximum = 1e6;
    };

    QtVariantPropertyManager* m_pSubManager;
    QHash<const QtProperty*, Data> m_values;
    QHash<const QtProperty*, QtProperty*> m_xOf;
    QHash<const QtProperty*, QtProperty*> m_yOf;
    QHash<const QtProperty*, QtProperty*> m_ownerOfX;
    QHash<const QtProperty*, QtProperty*> m_ownerOfY;
    bool m_bSyncing = false;
};
