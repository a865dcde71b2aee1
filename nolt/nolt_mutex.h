// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef NOLT_MUTEX_H
#define NOLT_MUTEX_H

#include <mutex>

// A plain mutex with explicit Lock/Unlock: constructed unlocked, Lock keeps every other
// thread out until the matching Unlock.
class Nolt_Mutex
{
public:
    Nolt_Mutex() = default;
    ~Nolt_Mutex() = default;
    Nolt_Mutex(const Nolt_Mutex&) = delete;
    Nolt_Mutex& operator=(const Nolt_Mutex&) = delete;

    void Lock();
    void Unlock();

private:
    std::mutex m_mutex;
};

#endif
