// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/controls/ccombobox.h"

CComboBox::CComboBox(QWidget* parent) : QComboBox(parent), m_iRow(0)
{
    connect(this, &QComboBox::currentIndexChanged, this,
            [this](int) { comboIndexChangeTemp(currentText()); });
}

CComboBox::~CComboBox() = default;

void CComboBox::setUserDisabled(bool disabled)
{
    setEnabled(!disabled);
}

void CComboBox::setUserEnabled(bool enabled)
{
    setEnabled(enabled);
}

void CComboBox::comboIndexChangeTemp(const QString& text)
{
    emit comboIndexChange(text, m_iRow);
}

void CComboBox::mousePressEvent(QMouseEvent* event)
{
    QComboBox::mousePressEvent(event);
}
