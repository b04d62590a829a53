// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "propertybrowser/QtVariantPropertyManager.h"
#include "TalvikCoreExport.h"
#include "VPropertyVariousChecker.h"

// The variant manager of the property browser: a property whose items disagree reads
// "*VARIOUS*".
class TALVIKCORE_EXPORT VPropertyManagerVariant : public QtVariantPropertyManager,
                                                  public VPropertyVariousChecker
{
    Q_OBJECT

public:
    explicit VPropertyManagerVariant(QObject* parent = nullptr);
    ~VPropertyManagerVariant() override;

public slots:
    // While the items disagree every value is news to some of them, also the one the
    // manager happens to hold.
    void setValue(QtProperty* property, const QVariant& value) override;

protected:
    QString valueText(const QtProperty* property) const override;
    QIcon valueIcon(const QtProperty* property) const override;
    void uninitializeProperty(QtProperty* property) override;
    void refreshDisplay(QtProperty* property) override;
};
