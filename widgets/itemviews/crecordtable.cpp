// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/itemviews/crecordtable.h"

#include "widgets/controls/ctooltip.h"
#include "widgets/itemviews/hierarchicalheaderview.h"
#include "widgets/itemviews/proxymodelwithheadermodels.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMenu>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTimer>
#include <algorithm>

namespace {

constexpr int IdColumn = 0;

// Names a record cell and the editor in it (or, with an empty name, clears the cell's name) for
// assistive technology. The cell carries the name too: a view announces its current cell when
// an editor inside it takes the focus, and some platforms name a combo box by its value.
void NameRecordCell(CTableView* table, int row, int column, const QString& name)
{
    if (!table)
        return;
    const QVariant wanted = name.isEmpty() ? QVariant() : QVariant(name);
    if (table->GetCellData(row, column, Qt::AccessibleTextRole) != wanted)
        table->SetCellData(row, column, wanted, Qt::AccessibleTextRole);
    if (QWidget* editor = table->GetCellWidget(row, column)) {
        editor->setAccessibleName(name);
        editor->setAccessibleDescription(name);
    }
}

// Editors shown into a hidden viewport wait to be shown with it, all at once; one by one, each
// would be laid out, and ask the window system where the pointer is, on its own. Never while
// the focus is inside: hiding would move it.
class ViewportHiddenWhileFilled
{
public:
    ViewportHiddenWhileFilled(QWidget* viewport, int rows)
        : m_viewport(rows > 1 && viewport->isVisible() &&
                             !viewport->isAncestorOf(QApplication::focusWidget())
                         ? viewport
                         : nullptr)
    {
        if (m_viewport)
            m_viewport->hide();
    }
    ~ViewportHiddenWhileFilled()
    {
        if (m_viewport)
            m_viewport->show();
    }
    ViewportHiddenWhileFilled(const ViewportHiddenWhileFilled&) = delete;
    ViewportHiddenWhileFilled& operator=(const ViewportHiddenWhileFilled&) = delete;

private:
    QWidget* m_viewport;
};

// Editors made while idle, this many rows a turn: a row takes about 2 ms, so a key pressed
// meanwhile waits less than a frame.
constexpr int RowsMadeATurn = 4;

} // namespace

CRecordTable::CRecordTable(CTableView* table, int rows, const Columns& columns,
                           const QString& prompt,
                           const std::function<void(QStandardItemModel&)>& buildHeader,
                           const std::function<void(int)>& makeEditors,
                           const std::function<QString()>& addBlocked, QObject* parent)
    : QObject(parent), m_pTable(table), m_pHeaderModel(new QStandardItemModel),
      m_pDataModel(new QStandardItemModel(rows, columns.count)),
      m_pProxyModel(new ProxyModelWithHeaderModels), m_pHeaderView(nullptr), m_iRows(rows),
      m_columns(columns), m_prompt(prompt), m_makeEditors(makeEditors), m_addBlocked(addBlocked)
{
    buildHeader(*m_pHeaderModel);
    m_pProxyModel->setSourceModel(m_pDataModel);
    m_pProxyModel->SetColumnHeaderModel(m_pHeaderModel);
    m_pHeaderView = new HierarchicalHeaderView(Qt::Horizontal, table);
    table->setHeader(m_pHeaderView);
    table->setModel(m_pProxyModel);

    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(table, &QWidget::customContextMenuRequested, this, &CRecordTable::ShowContextMenu);
    connect(table, &CTableView::PressedBtn, this, &CRecordTable::Activate);
    table->SetCellText(0, IdColumn, m_prompt);

    // What a click does on the table, the keyboard does too: activate the add prompt on
    // the current row, delete the selected records.
    auto* add = new QAction(table);
    add->setShortcuts(
        {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter), QKeySequence(Qt::Key_Space)});
    add->setShortcutContext(Qt::WidgetShortcut);
    connect(add, &QAction::triggered, this,
            [this] { Activate(m_pTable->currentIndex().siblingAtColumn(IdColumn)); });
    table->addAction(add);
    auto* remove = new QAction(table);
    remove->setShortcut(QKeySequence::Delete);
    remove->setShortcutContext(Qt::WidgetShortcut);
    connect(remove, &QAction::triggered, this, &CRecordTable::DeleteSelected);
    table->addAction(remove);
    table->installEventFilter(this);
    // A wider table shares its width among the columns as designed, rather than giving it all
    // to the last one.
    table->header()->setStretchLastSection(false);
    table->viewport()->installEventFilter(this);
    FitColumns();

    m_pMakeLater = new QTimer(this);
    m_pMakeLater->setSingleShot(true);
    m_pMakeLater->setInterval(0);
    connect(m_pMakeLater, &QTimer::timeout, this, [this] { MakeSomeEditors(RowsMadeATurn); });
    // Rows that come into view are never shown without their editors.
    connect(table->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &CRecordTable::MakeEditors);
}

void CRecordTable::FitColumns()
{
    const QList<int>& widths = m_columns.widths;
    int designed = 0;
    for (int width : widths)
        designed += width;
    if (designed <= 0 || widths.size() < m_columns.count)
        return;
    const int available = std::max(designed, m_pTable->viewport()->width());
    int given = 0;
    for (int column = 0; column < m_columns.count; ++column) {
        const int width = column + 1 < m_columns.count
                              ? int(qint64(widths.at(column)) * available / designed)
                              : available - given;
        given += width;
        if (m_pTable->columnWidth(column) != width)
            m_pTable->setColumnWidth(column, width);
    }
}

CRecordTable::~CRecordTable()
{
    // The table and its cell widgets go first, while the models they show still exist; what
    // the table says as it goes is no longer for this object.
    if (m_pTable) {
        m_pTable->viewport()->removeEventFilter(this);
        m_pTable->removeEventFilter(this);
    }
    delete m_pTable;
    delete m_pProxyModel;
    delete m_pDataModel;
    delete m_pHeaderModel;
}

bool CRecordTable::IsRecordRow(int row) const
{
    if (row >= m_iMadeRows && row <= m_iLastRow)
        return true;
    return m_pTable && m_pTable->GetCellWidget(row, m_columns.keyColumn) != nullptr;
}

QWidget* CRecordTable::Editor(int row, int column) const
{
    return row >= 0 && row <= m_iLastRow ? m_pTable->GetCellWidget(row, column) : nullptr;
}

int CRecordTable::RowsOnShow(int row) const
{
    const int height = m_pTable->visualRect(m_pTable->GetIndex(row, IdColumn)).height();
    return m_pTable->viewport()->height() / std::max(1, height) + 1;
}

QList<int> CRecordTable::SelectedRecordRows() const
{
    QList<int> rows;
    const QItemSelectionModel* selection = m_pTable ? m_pTable->selectionModel() : nullptr;
    if (!selection)
        return rows;
    for (const QModelIndex& index : selection->selectedIndexes()) {
        if (index.column() == IdColumn && IsRecordRow(index.row()) && !rows.contains(index.row()))
            rows.append(index.row());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

void CRecordTable::Activate(const QModelIndex& index)
{
    if (!index.isValid() || index.column() != IdColumn)
        return;
    const int row = index.row();
    if (row != m_iLastRow + 1 || m_pTable->GetCellText(row, IdColumn).isEmpty() || IsRecordRow(row))
        return;
    const QString blocked = m_addBlocked();
    if (!blocked.isEmpty()) {
        // Say why nothing happens, at the prompt; the program's own tip outlasts the release
        // of the click that asked.
        const QRect cell = m_pTable->visualRect(index);
        CToolTip::ShowTip(m_pTable->viewport()->mapToGlobal(cell.center()),
                          tr("No record can be added until this is corrected: %1").arg(blocked),
                          m_pTable->viewport());
        return;
    }
    if (AddRecord())
        m_pTable->setCurrentIndex(m_pTable->GetIndex(row, IdColumn));
}

bool CRecordTable::eventFilter(QObject* watched, QEvent* event)
{
    // The event type first: a table being destroyed still sends others, and must not be
    // looked at as a table then.
    if (event->type() == QEvent::Resize && m_pTable && watched == m_pTable->viewport())
        FitColumns();
    if (event->type() == QEvent::Show && m_pTable && watched == m_pTable)
        MakeEditors();
    if (event->type() == QEvent::KeyPress && watched == m_pTable) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const int row = m_pTable->currentIndex().row();
        if (key->key() == Qt::Key_Tab && !(key->modifiers() & ~Qt::KeypadModifier) &&
            IsRecordRow(row) && !m_columns.editors.isEmpty()) {
            MakeEditors();
            if (QWidget* editor = Editor(row, m_columns.editors.first())) {
                editor->setFocus(Qt::TabFocusReason);
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

bool CRecordTable::AddRecord()
{
    return AddRecords(1) == 1;
}

int CRecordTable::AddRecords(int count, Editors editors)
{
    // Records have their editors in order: the ones still waiting come first.
    MakeEditors();
    // Rows before this one get their editors now; on show, the first row added tells how
    // many rows the table shows.
    int editorsNow = editors == Editors::Now || m_pTable->isVisible() ? m_iRows : 0;
    bool measured = editors == Editors::Now;
    int added = 0;
    {
        const ViewportHiddenWhileFilled hidden(m_pTable->viewport(), count);
        const QScopedValueRollback<bool> filling(m_bFilling, true);
        for (; added < count && m_iLastRow + 1 < m_iRows; ++added) {
            const int row = m_iLastRow + 1;
            m_pTable->SetCellText(row, IdColumn, QString::number(row + 1));
            m_iLastRow = row;
            if (row < editorsNow && m_iMadeRows == row) {
                m_iMadeRows = row + 1;
                m_makeEditors(row);
                if (!measured) {
                    editorsNow = RowsOnShow(row);
                    measured = true;
                }
            }
            if (m_pTable->GetCellText(row + 1, IdColumn).isEmpty())
                m_pTable->SetCellText(row + 1, IdColumn, m_prompt);
        }
    }
    if (added == 0)
        return 0;
    // Once for all of them: it walks every row.
    UpdateRecordWidgets();
    for (int row = m_iLastRow - added + 1; row <= m_iLastRow; ++row)
        emit RecordAdded(row);
    if (m_iMadeRows <= m_iLastRow)
        m_pMakeLater->start();
    return added;
}

void CRecordTable::MakeEditors()
{
    MakeSomeEditors(m_iRows);
}

void CRecordTable::MakeSomeEditors(int rows)
{
    if (!m_pTable || m_iMadeRows > m_iLastRow)
        return;
    const int last = m_iMadeRows + std::min(rows, m_iLastRow + 1 - m_iMadeRows) - 1;
    {
        // A turn's few rows are shown as made: hiding the viewport would repaint all of it.
        const ViewportHiddenWhileFilled hidden(m_pTable->viewport(),
                                               rows > RowsMadeATurn ? last + 1 - m_iMadeRows : 0);
        const QScopedValueRollback<bool> filling(m_bFilling, true);
        while (m_iMadeRows <= last) {
            const int row = m_iMadeRows++;
            m_makeEditors(row);
        }
    }
    if (m_iMadeRows <= m_iLastRow) {
        m_pMakeLater->start();
        return;
    }
    m_pMakeLater->stop();
    UpdateRecordWidgets();
}

void CRecordTable::DeleteSelected()
{
    // Rows move up as others go, and their editors with them.
    MakeEditors();
    QList<int> rows = SelectedRecordRows();
    if (rows.isEmpty())
        return;
    // From the bottom up, so the rows still to remove keep their numbers.
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    for (int row : rows)
        m_pTable->model()->removeRows(row, 1);
    Refresh();
    emit Deleted();
}

void CRecordTable::Truncate(int count)
{
    if (count < 0 || count >= RecordCount())
        return;
    // Records still without editors go without ever getting them, the others as deleted ones.
    const int firstUnmade = std::max(count, m_iMadeRows);
    if (firstUnmade <= m_iLastRow) {
        for (int row = firstUnmade; row <= m_iLastRow + 1; ++row)
            m_pTable->SetCellText(row, IdColumn, QString());
        m_iLastRow = firstUnmade - 1;
        m_pTable->SetCellText(m_iLastRow + 1, IdColumn, m_prompt);
    }
    for (int row = m_iLastRow; row >= count; --row)
        m_pTable->model()->removeRows(row, 1);
    Renumber();
}

void CRecordTable::Refresh()
{
    MakeEditors();
    Renumber();
}

void CRecordTable::Renumber()
{
    // With every record still in place (nothing was removed) the prompt stays where it is.
    int prompt = m_iLastRow + 1;
    for (int row = 0; row <= m_iLastRow; ++row) {
        if (!IsRecordRow(row)) {
            prompt = row;
            break;
        }
    }
    for (int row = prompt; row <= m_iLastRow; ++row) {
        for (int column = IdColumn; column < m_columns.count; ++column) {
            if (!m_pTable->GetCellText(row, column).isEmpty())
                m_pTable->SetCellText(row, column, QString());
        }
    }
    // The old prompt goes before the new one is written, which may be the same row.
    m_pTable->SetCellText(m_iLastRow + 1, IdColumn, QString());
    m_pTable->SetCellText(prompt, IdColumn, m_prompt);
    m_iLastRow = prompt - 1;
    m_iMadeRows = std::min(m_iMadeRows, prompt);
    UpdateRecordWidgets();
    emit Refreshed();
}

void CRecordTable::UpdateRecordWidgets()
{
    // Records being filled in are chained once they all are.
    if (m_bFilling)
        return;
    // Widgets placed into cells join the focus chain in the order they were created (a
    // record's editor may even be replaced later); the user expects the columns left to right,
    // record after record, then the controls beside the table.
    QList<QWidget*> chain{m_pTable};
    for (int row = 0; row < m_iRows; ++row) {
        for (int column : m_columns.editors) {
            QWidget* editor = Editor(row, column);
            // Rows below the records may still carry the name of a record deleted from them.
            NameRecordCell(m_pTable, row, column,
                           editor
                               ? tr("%1, record %2").arg(m_columns.names.value(column)).arg(row + 1)
                               : QString());
            if (editor)
                chain.append(editor);
        }
    }
    chain << m_trailing;
    for (int i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain.at(i - 1), chain.at(i));
}

void CRecordTable::ShowContextMenu(const QPoint& pos)
{
    if (SelectedRecordRows().isEmpty())
        return;
    QMenu menu(m_pTable);
    QAction* remove = menu.addAction(tr("delete"));
    connect(remove, &QAction::triggered, this, &CRecordTable::DeleteSelected);
    // At the point the table names: the mouse pointer, or the selected row for the menu key.
    menu.exec(m_pTable->viewport()->mapToGlobal(pos));
}
