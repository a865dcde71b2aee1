// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/itemviews/ctabledelegate.h"

#include "widgets/calendar/cdateedit.h"
#include "widgets/calendar/cdatetimeedit.h"

#include "util/helpers.h"
#include "widgets/itemviews/ctableview.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTimeEdit>
#include <QPainter>

namespace {

const QColor HoverColour(251, 251, 194);
const QString SelectedPicture = QStringLiteral(":images/public/TreeView/ViewMidItem.png");
const QLatin1String DateFormat("yyyy-MM-dd");

// Date cells are edited with the library's skinned editors and their calendar drop-down.
QDateTimeEdit* CreateDateTimeEditor(QWidget* parent)
{
    return new CDateTimeEdit(parent);
}

QDateTimeEdit* CreateDateEditor(QWidget* parent)
{
    return new CDateEdit(parent);
}

enum class EditorKind
{
    Combo,
    DateTime,
    Date,
    Other
};

EditorKind KindOf(const QModelIndex& index)
{
    if (index.data(CTableView::ComboItemsRole).isValid())
        return EditorKind::Combo;
    if (index.data(CTableView::DateTimeRole).isValid())
        return EditorKind::DateTime;
    if (index.data(CTableView::DateRole).isValid())
        return EditorKind::Date;
    return EditorKind::Other;
}

void FillBackground(QPainter* painter, const QRect& rect, QStyle::State state)
{
    if (!(state & QStyle::State_Enabled))
        return;
    if (state & QStyle::State_Selected)
        painter->drawPixmap(rect, LoadCachedPixmap(SelectedPicture));
    else if (state & QStyle::State_MouseOver)
        painter->fillRect(rect, HoverColour);
    else
        painter->fillRect(rect, Qt::white);
}

void DrawCentred(QPainter* painter, const QRect& box, const QPixmap& pixmap)
{
    if (pixmap.isNull())
        return;
    QRect target(QPoint(), LogicalSize(pixmap));
    target.moveCenter(box.center());
    painter->drawPixmap(target, pixmap);
}

} // namespace

CTableDelegate::CTableDelegate(QAbstractItemView* view, QObject* parent)
    : QStyledItemDelegate(parent), m_pView(view)
{
}

CTableDelegate::~CTableDelegate() = default;

void CTableDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const
{
    const QRect rect = option.rect;
    const QStyle::State state = option.state;
    QStyle* style = m_pView ? m_pView->style() : QApplication::style();

    if (index.data(CTableView::ButtonRole).isValid())
        style->drawPrimitive(QStyle::PE_PanelItemViewItem, &option, painter, m_pView);

    // An indented first column gets the row's look across the indentation too.
    if (index.column() == 0 && rect.isValid() && rect.x() != 0 && option.showDecorationSelected) {
        const QRect strip(0, rect.y(), rect.x(), rect.height());
        FillBackground(painter, strip, state);
        const QRect arrowBox(strip.right() - 12, strip.y(), 16, rect.height());
        if (arrowBox.isValid()) {
            const QString arrow = (state & QStyle::State_Open)
                                      ? QStringLiteral(":images/button/down-arrow.png")
                                      : QStringLiteral(":images/button/config_right-arrow.png");
            DrawCentred(painter, arrowBox, LoadCachedPixmap(arrow));
        }
    }

    FillBackground(painter, rect, state);
    QStyledItemDelegate::paint(painter, option, index);
}

QSize CTableDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (size.isValid())
        size.setHeight(26);
    return size;
}

QWidget* CTableDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const
{
    switch (KindOf(index)) {
    case EditorKind::Combo: {
        auto* combo = new QComboBox(parent);
        QStringList items = index.data(CTableView::ComboItemsRole).toStringList();
        combo->addItems(items);
        const QString text = index.data(Qt::DisplayRole).toString();
        const int found = int(items.indexOf(text));
        if (found < 0) {
            // The cell's own text stays choosable, and the cell remembers it as a choice.
            combo->addItem(text, QString());
            items.append(text);
            const_cast<QAbstractItemModel*>(index.model())
                ->setData(index, items, CTableView::ComboItemsRole);
        } else {
            combo->setCurrentIndex(found);
        }
        combo->setFixedSize(option.rect.width(), option.rect.height());
        return combo;
    }
    case EditorKind::DateTime: {
        QDateTimeEdit* editor = CreateDateTimeEditor(parent);
        editor->setDate(index.data(CTableView::DateTimeRole).toDate());
        return editor;
    }
    case EditorKind::Date: {
        QDateTimeEdit* editor = CreateDateEditor(parent);
        editor->setDate(index.data(CTableView::DateRole).toDate());
        return editor;
    }
    case EditorKind::Other:
        break;
    }
    return QStyledItemDelegate::createEditor(parent, option, index);
}

void CTableDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    const EditorKind kind = KindOf(index);
    if (kind == EditorKind::Combo) {
        if (auto* combo = qobject_cast<QComboBox*>(editor)) {
            combo->setCurrentIndex(combo->findText(index.data(Qt::DisplayRole).toString(),
                                                   Qt::MatchExactly | Qt::MatchCaseSensitive));
            return;
        }
    } else if (kind == EditorKind::DateTime || kind == EditorKind::Date) {
        if (auto* dateEditor = qobject_cast<QDateTimeEdit*>(editor)) {
            if (kind == EditorKind::DateTime)
                dateEditor->setDateTime(index.data(CTableView::DateTimeRole).toDateTime());
            else
                dateEditor->setDate(index.data(CTableView::DateRole).toDate());
            return;
        }
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void CTableDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                  const QModelIndex& index) const
{
    const EditorKind kind = KindOf(index);
    if (kind == EditorKind::Combo) {
        if (auto* combo = qobject_cast<QComboBox*>(editor)) {
            // Every write refreshes the open editor from the cell, so read it first.
            const int chosen = combo->currentIndex();
            const QString text = combo->currentText();
            model->setData(index, chosen, CTableView::ComboIndexRole);
            model->setData(index, text, Qt::EditRole);
            return;
        }
    } else if (kind == EditorKind::DateTime || kind == EditorKind::Date) {
        if (auto* dateEditor = qobject_cast<QDateTimeEdit*>(editor)) {
            const QDateTime chosen = dateEditor->dateTime();
            if (kind == EditorKind::DateTime)
                model->setData(index, chosen, CTableView::DateTimeRole);
            else
                model->setData(index, chosen.date(), CTableView::DateRole);
            model->setData(index, chosen.date().toString(DateFormat), Qt::EditRole);
            return;
        }
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}
