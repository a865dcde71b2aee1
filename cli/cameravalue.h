// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CAMERAVALUE_H
#define CAMERAVALUE_H

#include <QString>
#include <QStringList>

// Splits a --camera value into FIRST, SECOND and COUNT. A bit-rate remark may itself hold
// commas ("2M(1,5)"); such a value is split at the one comma that leaves two valid bit rates.
// False with a one-line `problem` when the value has fewer than three fields, or when no
// comma or more than one comma gives two valid bit rates. A value of exactly three fields is
// split as it is; their checks come later. White space around each field is dropped, as if it
// had not been typed. Linear in the length of the value.
bool SplitCameraValue(const QString& value, QStringList& fields, QString& problem);

#endif
