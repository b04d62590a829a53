// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "VSingletonBase.h"

#include <type_traits>

class VSingletonRepository;

// A lazily created process-wide object, handed to the repository that deletes it at exit.
// T befriends VSingleton<T> when its constructor is not public.
//
// A singleton used on both sides of the shared library must be instantiated once inside it
// (an exported extern template declaration beside the class), or each module gets its own
// instance. The template itself is not exported: on Windows that would import every
// instantiation, also those of the programs' own singletons, from the library.
template <typename T>
class VSingleton : public VSingletonBase
{
public:
    static T* instance();

protected:
    VSingleton() = default;
    ~VSingleton() override = default;

private:
    static T* m_pInstance;
};

template <typename T>
T* VSingleton<T>::m_pInstance = nullptr;

template <typename T>
T* VSingleton<T>::instance()
{
    if (!m_pInstance) {
        T* created = new T;
        // Stored only once the constructor has returned.
        m_pInstance = created;
        if constexpr (!std::is_same_v<T, VSingletonRepository>)
            registerSingleton(static_cast<VSingleton<T>*>(created));
    }
    return m_pInstance;
}
