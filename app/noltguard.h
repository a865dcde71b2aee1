// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef NOLTGUARD_H
#define NOLTGUARD_H

#include "nolt_mutex.h"

// Scope lock over a Nolt_Mutex. Release unlocks once and forgets the mutex, so releasing
// early and then leaving the scope unlocks exactly once.
class Nolt_Guard
{
public:
    explicit Nolt_Guard(Nolt_Mutex* mutex) : m_pMutex(mutex)
    {
        if (m_pMutex)
            m_pMutex->Lock();
    }
    ~Nolt_Guard() { Release(); }
    Nolt_Guard(const Nolt_Guard&) = delete;
    Nolt_Guard& operator=(const Nolt_Guard&) = delete;

    void Release()
    {
        if (m_pMutex) {
            m_pMutex->Unlock();
            m_pMutex = nullptr;
        }
    }

private:
    Nolt_Mutex* m_pMutex;
};

#endif
