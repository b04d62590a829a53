// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VSingletonRepository.h"

void VSingletonBase::registerSingleton(VSingletonBase* pSingleton)
{
    VSingletonRepository::instance()->append(pSingleton);
}

VSingletonRepository* VSingletonRepository::instance()
{
    static VSingletonRepository repository;
    return &repository;
}

void VSingletonRepository::append(VSingletonBase* pSingleton)
{
    m_singletons.prepend(pSingleton);
}

VSingletonRepository::~VSingletonRepository()
{
    // Walk a copy: a destructor that touches the repository cannot break the loop.
    const QList<VSingletonBase*> singletons = m_singletons;
    for (VSingletonBase* pSingleton : singletons)
        delete pSingleton;
    m_singletons.clear();
}
