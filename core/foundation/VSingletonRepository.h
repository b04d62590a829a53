// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TalvikCoreExport.h"
#include "VSingleton.h"

#include <QList>

// Owns every singleton and deletes them newest first when the process exits.
class TALVIKCORE_EXPORT VSingletonRepository : public VSingleton<VSingletonRepository>
{
public:
    // The repository in use: a function-local static, destroyed at process exit.
    static VSingletonRepository* instance();

    // Inserts at the front, so teardown runs in reverse order of creation.
    void append(VSingletonBase* pSingleton);

private:
    VSingletonRepository() = default;
    ~VSingletonRepository() override;

    QList<VSingletonBase*> m_singletons;
};
