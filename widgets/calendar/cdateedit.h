// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CDATEEDIT_H
#define CDATEEDIT_H

#include "widgets/calendar/cdatetimeedit.h"

// The date editor of table cells: a date-only editor with the calendar drop-down, starting
// today.
class CDateEdit : public CDateTimeEdit
{
    Q_OBJECT

public:
    explicit CDateEdit(QWidget* parent = nullptr);
    ~CDateEdit() override;
};

#endif
