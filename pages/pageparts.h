// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PAGEPARTS_H
#define PAGEPARTS_H

#include <QString>

class CTableView;
class QToolButton;

// Parts both calculator pages share.

// Shows a page's result number in its picture box. The box keeps the size it was laid out
// with (a long number must not squeeze the table beside it); the font shrinks until the
// number fits. Assistive technology hears the caption with the number, not a bare button.
void ShowResultNumber(QToolButton* box, const QString& number, const QString& caption);

// Names a record cell and the editor in it (or, with an empty name, clears the cell's name) for
// assistive technology. The cell carries the name too: a view announces its current cell when
// an editor inside it takes the focus, and some platforms name a combo box by its value.
void NameRecordCell(CTableView* table, int row, int column, const QString& name);

#endif
