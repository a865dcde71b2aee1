// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef RESULTDISPLAY_H
#define RESULTDISPLAY_H

#include <QString>

class QToolButton;

// Shows a page's result number in its picture box. The box keeps the size it was laid out
// with (a long number must not squeeze the table beside it); the font shrinks until the
// number fits. Assistive technology hears the caption with the number, not a bare button.
void ShowResultNumber(QToolButton* box, const QString& number, const QString& caption);

#endif
