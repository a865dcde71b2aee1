// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/calendar/cdateedit.h"

CDateEdit::CDateEdit(QWidget* parent)
    : CDateTimeEdit(QVariant(QDate::currentDate()), QMetaType::QDate, parent)
{
}

CDateEdit::~CDateEdit() = default;
