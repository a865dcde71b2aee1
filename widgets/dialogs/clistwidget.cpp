// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/dialogs/clistwidget.h"

CListWidget::CListWidget(QWidget* parent) : QListWidget(parent) {}

CListWidget::~CListWidget() = default;
