// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef BUILDDATE_H
#define BUILDDATE_H

#include <QString>

// A compiler date text ("Jun 19 2012", the day padded with a space) as the number yyyymmdd;
// 0 for a text that does not read as such a date.
unsigned int BuildDateToNumber(const QString& dateText);

// The date this program was built, as yyyymmdd.
unsigned int BuildDateToNumber();

#endif
