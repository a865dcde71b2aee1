// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CLISTWIDGET_H
#define CLISTWIDGET_H

#include <QListWidget>

// The library's list widget; it takes its look from the application style sheet.
class CListWidget : public QListWidget
{
    Q_OBJECT

public:
    explicit CListWidget(QWidget* parent = nullptr);
    ~CListWidget() override;
};

#endif
