// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CTIMEEDIT_H
#define CTIMEEDIT_H

#include <QTimeEdit>

// A time editor whose enabled state can follow a check box either way round.
class CTimeEdit : public QTimeEdit
{
    Q_OBJECT

public:
    explicit CTimeEdit(QWidget* parent = nullptr);
    ~CTimeEdit() override;

public slots:
    void setUserDisabled(bool);
    void setUserEnabled(bool);
};

#endif
