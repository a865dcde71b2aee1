// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CPUSHBUTTON_H
#define CPUSHBUTTON_H

#include <QPushButton>

// The push button of the dialog frames, the About page and the title bar; skinned by the
// application style sheet.
class CPushButton : public QPushButton
{
    Q_OBJECT

public:
    explicit CPushButton(QWidget* parent = nullptr);
    explicit CPushButton(const QString& text, QWidget* parent = nullptr);
    CPushButton(const QIcon& icon, const QString& text, QWidget* parent = nullptr);
    ~CPushButton() override;
};

#endif
