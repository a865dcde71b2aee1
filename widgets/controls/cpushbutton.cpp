// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/controls/cpushbutton.h"

CPushButton::CPushButton(QWidget* parent) : QPushButton(parent) {}

CPushButton::CPushButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {}

CPushButton::CPushButton(const QIcon& icon, const QString& text, QWidget* parent)
    : QPushButton(icon, text, parent)
{
}

CPushButton::~CPushButton() = default;
