// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/calendar/ctimeedit.h"

CTimeEdit::CTimeEdit(QWidget* parent) : QTimeEdit(parent) {}

CTimeEdit::~CTimeEdit() = default;

void CTimeEdit::setUserDisabled(bool bDisabled)
{
    setEnabled(!bDisabled);
}

void CTimeEdit::setUserEnabled(bool bEnabled)
{
    setEnabled(bEnabled);
}
