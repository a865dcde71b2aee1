// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CCHECKBOX_H
#define CCHECKBOX_H

#include <QCheckBox>

// A check box with slots that take the state from a bool signal, straight or inverted.
class CCheckBox : public QCheckBox
{
    Q_OBJECT

public:
    explicit CCheckBox(QWidget* parent = nullptr);
    explicit CCheckBox(const QString& text, QWidget* parent = nullptr);
    ~CCheckBox() override;

public slots:
    void SetUnChecked(bool b);
    void SetChecked(bool b);
};

#endif
