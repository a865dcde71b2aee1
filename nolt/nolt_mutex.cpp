// SPDX-License-Identifier: GPL-3.0-or-later
#include "nolt_mutex.h"

void Nolt_Mutex::Lock()
{
    m_mutex.lock();
}

void Nolt_Mutex::Unlock()
{
    m_mutex.unlock();
}
