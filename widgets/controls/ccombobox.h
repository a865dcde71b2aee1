// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CCOMBOBOX_H
#define CCOMBOBOX_H

#include <QComboBox>

// A combo box that knows the table row it sits in: every change of the current item is
// reported once, with the current text and that row.
class CComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit CComboBox(QWidget* parent = nullptr);
    ~CComboBox() override;

    // Not updated by the widget when rows above it go away; the owner refreshes it.
    void SetRow(int row) { m_iRow = row; }
    int Row() const { return m_iRow; }

signals:
    void comboIndexChange(const QString& text, int row);

public slots:
    void setUserDisabled(bool disabled);
    void setUserEnabled(bool enabled);
    void comboIndexChangeTemp(const QString& text);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    int m_iRow;
};

#endif
