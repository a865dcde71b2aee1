#include "widgets/dialogs/clistwidget.h"

CListWidget::CListWidget(QWidget* parent) : QListWidget(parent) {}

CListWidget::~CListWidget() = default;
