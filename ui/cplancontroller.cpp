// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/cplancontroller.h"

#include "pages/cdlgcalipcnum.h"
#include "pages/cdlgcalnvrnum.h"
#include "ui/ccorvane.h"
#include "ui/cplandetailsdlg.h"
#include "ui/cplanreport.h"
#include "ui/crecordermodelsdlg.h"
#include "ui/csavechangesdlg.h"
#include "ui/cwindowtitle.h"
#include "widgets/controls/cpushbutton.h"
#include "widgets/dialogs/cfiledialog.h"
#include "widgets/dialogs/cwarndlg.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QStyle>
#include <QUndoStack>
#include <algorithm>

namespace {

// The standard picture an action shows in the menu, set when the menu first opens.
const char* const MenuIconProperty = "corvaneMenuIcon";

QString BreakBefore(const QString& reason)
{
    return QStringLiteral("<br/>") + reason.toHtmlEscaped();
}

// Every input of both pages as text, in a fixed order.
QStringList Fields(const CorvanePlan& plan)
{
    QStringList fields;
    for (const PlanCamera& camera : plan.cameras)
        fields << camera.name << camera.firstBitRate << camera.secondBitRate
               << QString::number(camera.count);
    const CalStorageInputs& storage = plan.storage;
    fields << plan.nvrModel;
    for (int number : {plan.nvrDisabledChannels, plan.nvrBandwidthReservePercent, int(storage.goal),
                       storage.retentionDays, storage.disksPerRecorder, storage.hoursPerDay,
                       storage.recordedPercent, int(storage.streams), storage.diskTB,
                       int(storage.redundancy), storage.hotSpares, storage.storageReservePercent})
        fields << QString::number(number);
    for (const PlanRecorder& recorder : plan.recorders)
        fields << recorder.model << QString::number(recorder.disabledChannels)
               << QString::number(recorder.count);
    return fields << plan.ipcFirstBitRate << plan.ipcSecondBitRate
                  << QString::number(plan.ipcBandwidthReservePercent);
}

// The one input in which two states differ, so that typing into one field is undone in one
// step; -1 for any other change.
int ChangedField(const CorvanePlan& a, const CorvanePlan& b)
{
    if (a.cameras.size() != b.cameras.size() || a.recorders.size() != b.recorders.size() ||
        a.models != b.models || a.details != b.details || a.prices != b.prices)
        return -1;
    // A price comes from the details dialog, never from typing into a record.
    for (int i = 0; i < a.cameras.size(); ++i) {
        if (a.cameras[i].unitPrice != b.cameras[i].unitPrice)
            return -1;
    }
    const QStringList x = Fields(a), y = Fields(b);
    int field = -1;
    for (int i = 0; i < x.size(); ++i) {
        if (x[i] != y[i]) {
            if (field >= 0)
                return -1;
            field = i;
        }
    }
    return field;
}

// One change of the pages: the states before and after it. The change has already happened
// when the command is pushed, so its first redo does nothing.
class CPlanStateCommand : public QUndoCommand
{
public:
    CPlanStateCommand(CPlanController* plan, const CorvanePlan& before, const CorvanePlan& after)
        : m_pPlan(plan), m_before(before), m_after(after), m_field(ChangedField(before, after))
    {
    }

    void undo() override { m_pPlan->RestoreState(m_before); }
    void redo() override
    {
        if (m_bDone)
            m_pPlan->RestoreState(m_after);
        m_bDone = true;
    }
    int id() const override { return m_field < 0 ? -1 : 1; }
    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = static_cast<const CPlanStateCommand*>(other);
        // Both change this one input and nothing else, so together they do too.
        if (next->m_field != m_field)
            return false;
        m_after = next->m_after;
        // Typed back to where it began: nothing left to undo.
        setObsolete(m_after == m_before);
        return true;
    }

private:
    CPlanController* m_pPlan;
    CorvanePlan m_before;
    CorvanePlan m_after;
    int m_field;
    bool m_bDone = false;
};

} // namespace

CPlanController::CPlanController(QMainWindow* window, QStackedWidget* stack, CDlgCalNVRNum* nvrPage,
                                 CPlanPages::IpcPageSource ipcPage, CWindowTitle* title)
    : QObject(window), m_pWindow(window), m_pStack(stack), m_pNVRPage(nvrPage), m_pTitle(title),
      m_pages(nvrPage, std::move(ipcPage))
{
    auto makeAction = [this](const QString& text, const QList<QKeySequence>& keys,
                             QStyle::StandardPixmap icon) {
        auto* action = new QAction(text, m_pWindow);
        action->setShortcuts(keys);
        if (icon != QStyle::SP_CustomBase)
            action->setProperty(MenuIconProperty, int(icon));
        m_pWindow->addAction(action);
        return action;
    };
    // The platform's own keys where it has them; Ctrl+Shift+S and Ctrl+Y also where it does not.
    auto standard = [](QKeySequence::StandardKey key, const QKeySequence& also) {
        QList<QKeySequence> keys = QKeySequence::keyBindings(key);
        if (!also.isEmpty() && !keys.contains(also))
            keys << also;
        return keys;
    };
    m_pNewAction = makeAction(tr("New Plan"), standard(QKeySequence::New, {}), QStyle::SP_FileIcon);
    m_pOpenAction = makeAction(tr("Open Plan..."), standard(QKeySequence::Open, {}),
                               QStyle::SP_DialogOpenButton);
    m_pSaveAction =
        makeAction(tr("Save Plan"), standard(QKeySequence::Save, {}), QStyle::SP_DialogSaveButton);
    m_pSaveAsAction = makeAction(tr("Save Plan As..."),
                                 standard(QKeySequence::SaveAs, Qt::CTRL | Qt::SHIFT | Qt::Key_S),
                                 QStyle::SP_CustomBase);
    m_pExportAction = makeAction(tr("Export Result..."), {QKeySequence(Qt::CTRL | Qt::Key_E)},
                                 QStyle::SP_CustomBase);
    m_pPrintAction =
        makeAction(tr("Print Result..."), standard(QKeySequence::Print, {}), QStyle::SP_CustomBase);
    m_pCopyAction =
        makeAction(tr("Copy Result"), standard(QKeySequence::Copy, {}), QStyle::SP_CustomBase);
    m_pUndo = new QUndoStack(this);
    m_pUndoAction = makeAction(tr("Undo"), standard(QKeySequence::Undo, {}), QStyle::SP_CustomBase);
    m_pRedoAction = makeAction(tr("Redo"), standard(QKeySequence::Redo, Qt::CTRL | Qt::Key_Y),
                               QStyle::SP_CustomBase);
    m_pUndoAction->setEnabled(false);
    m_pRedoAction->setEnabled(false);
    connect(m_pUndoAction, &QAction::triggered, m_pUndo, &QUndoStack::undo);
    connect(m_pRedoAction, &QAction::triggered, m_pUndo, &QUndoStack::redo);
    connect(m_pUndo, &QUndoStack::canUndoChanged, m_pUndoAction, &QAction::setEnabled);
    connect(m_pUndo, &QUndoStack::canRedoChanged, m_pRedoAction, &QAction::setEnabled);

    connect(m_pNewAction, &QAction::triggered, this, &CPlanController::NewPlan);
    connect(m_pOpenAction, &QAction::triggered, this, &CPlanController::OpenPlan);
    connect(m_pSaveAction, &QAction::triggered, this, &CPlanController::SavePlan);
    connect(m_pSaveAsAction, &QAction::triggered, this, &CPlanController::SavePlanAs);
    connect(m_pExportAction, &QAction::triggered, this, &CPlanController::ExportResult);
    connect(m_pPrintAction, &QAction::triggered, this, &CPlanController::PrintResult);
    connect(m_pCopyAction, &QAction::triggered, this, &CPlanController::CopyResult);
    m_pModelsAction = makeAction(tr("Recorder Models..."), {}, QStyle::SP_CustomBase);
    connect(m_pModelsAction, &QAction::triggered, this, &CPlanController::EditModels);
    connect(m_pNVRPage, &CDlgCalNVRNum::ModelsRequested, this, &CPlanController::EditModels);
    m_pDetailsAction = makeAction(tr("Plan Details..."), {}, QStyle::SP_CustomBase);
    connect(m_pDetailsAction, &QAction::triggered, this, &CPlanController::EditDetails);

    // A tab-strip button in the tabs' own picture, opening the plan menu.
    m_pMenu = new QMenu(m_pWindow);
    m_pMenu->setObjectName(QStringLiteral("m_pPlanMenu"));
    m_pMenu->addActions({m_pNewAction, m_pOpenAction, m_pSaveAction, m_pSaveAsAction});
    m_pMenu->addSeparator();
    m_pMenu->addActions({m_pUndoAction, m_pRedoAction});
    m_pMenu->addSeparator();
    m_pMenu->addActions({m_pExportAction, m_pPrintAction});
    m_pMenu->addSeparator();
    m_pMenu->addAction(m_pCopyAction);
    m_pMenu->addSeparator();
    m_pMenu->addActions({m_pDetailsAction, m_pModelsAction});
    connect(m_pMenu, &QMenu::aboutToShow, this, &CPlanController::SetMenuIcons);
    m_pMenuButton =
        new CPushButton(tr("Plan") + QStringLiteral("  \u25BE"), m_pWindow->centralWidget());
    m_pMenuButton->setObjectName(QStringLiteral("m_pBtnPlan"));
    m_pMenuButton->setToolTip(tr("New, open, save, export and print the plan"));
    m_pMenuButton->setAccessibleName(tr("Plan"));
    m_pMenuButton->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_pMenuButton->setMinimumSize(140, 40);
    m_pMenuButton->setStyleSheet(QString::fromLatin1(CCorvane::UnselectedTabStyle));
    m_pMenuButton->setMenu(m_pMenu);

    if (auto* tree = qobject_cast<QAbstractScrollArea*>(m_pNVRPage->ResultView())) {
        tree->installEventFilter(this);
        m_pTreeViewport = tree->viewport();
        m_pTreeViewport->installEventFilter(this);
    }
    // Undo and redo are the plan's, even with the focus in a field that has its own.
    qApp->installEventFilter(this);

    m_savedState = m_shownState = m_pages.State();
    connect(m_pNVRPage, &CDlgCalNVRNum::StateChanged, this, &CPlanController::PagesChanged);
}

void CPlanController::AttachIPCPage(CDlgCalIPCNum* page)
{
    m_pIPCPage = page;
    // Before its changes are followed: what it is given now is what the plan held already.
    m_pages.IpcPageBuilt(page);
    m_pIPCResult = page->ResultView();
    m_pIPCResult->installEventFilter(this);
    connect(page, &CDlgCalIPCNum::StateChanged, this, &CPlanController::PagesChanged);
}

void CPlanController::SetMenuIcons()
{
    for (QAction* action : m_pMenu->actions()) {
        const QVariant icon = action->property(MenuIconProperty);
        if (icon.isValid() && action->icon().isNull())
            action->setIcon(m_pWindow->style()->standardIcon(QStyle::StandardPixmap(icon.toInt())));
    }
}

CPlanController::~CPlanController() = default;

QList<QAction*> CPlanController::Actions() const
{
    return {m_pNewAction,  m_pOpenAction,    m_pSaveAction,   m_pSaveAsAction,
            m_pUndoAction, m_pRedoAction,    m_pExportAction, m_pPrintAction,
            m_pCopyAction, m_pDetailsAction, m_pModelsAction};
}

bool CPlanController::IsModified() const
{
    return m_shownState != m_savedState;
}

void CPlanController::PagesChanged()
{
    if (m_bRestoring)
        return;
    const CorvanePlan now = m_pages.State();
    if (now != m_shownState) {
        const CorvanePlan before = m_shownState;
        m_shownState = now;
        m_pUndo->push(new CPlanStateCommand(this, before, now));
    }
    UpdateTitle();
}

void CPlanController::ApplyAsOneStep(const std::function<void()>& change)
{
    const CorvanePlan before = m_shownState;
    m_bRestoring = true;
    change();
    m_bRestoring = false;
    const CorvanePlan now = m_pages.State();
    if (now != before) {
        m_shownState = now;
        m_pUndo->push(new CPlanStateCommand(this, before, now));
    }
    UpdateTitle();
}

void CPlanController::ApplyModels(const CalModelList& models,
                                  const QHash<QString, QString>& renamed)
{
    ApplyAsOneStep([&] { m_pages.SetModels(models, renamed); });
}

void CPlanController::EditModels()
{
    // Where each own model in use is chosen, for the message that refuses its removal.
    QHash<QString, QString> where;
    const CorvanePlan plan = m_pages.State();
    for (const CalNVRInfo& model : plan.models) {
        QStringList places;
        if (plan.nvrModel == model.name)
            places << tr("NVR Calculate");
        for (int i = 0; i < plan.recorders.size(); ++i) {
            if (plan.recorders[i].model == model.name)
                places << tr("IPC Calculate, record %1").arg(i + 1);
        }
        if (!places.isEmpty())
            where.insert(model.name, places.join(QStringLiteral(", ")));
    }
    CRecorderModelsDlg dialog(plan.models, where.keys(), m_pWindow);
    dialog.SetWhereUsed(where);
    dialog.SetStartFolder(StartFolder());
    if (dialog.exec() != QDialog::Accepted)
        return;
    ApplyModels(dialog.Models(), dialog.Renamed());
}

void CPlanController::ApplyDetails(const PlanDetails& details, const PlanPrices& prices,
                                   const QList<PlanUnitPrice>& cameraPrices)
{
    NvrPageState nvr = m_pNVRPage->State();
    for (int i = 0; i < nvr.cameras.size(); ++i)
        nvr.cameras[i].unitPrice = cameraPrices.value(i);
    ApplyAsOneStep([&] {
        m_pages.SetDetails(details);
        m_pages.SetPrices(prices);
        if (m_pNVRPage->State() != nvr)
            m_pNVRPage->SetState(nvr);
    });
}

void CPlanController::EditDetails()
{
    const CorvanePlan plan = m_pages.State();
    CPlanDetailsDlg dialog(plan, m_pWindow);
    if (dialog.exec() != QDialog::Accepted)
        return;
    ApplyDetails(dialog.Details(), dialog.Prices(), dialog.CameraPrices());
}

void CPlanController::RestoreState(const CorvanePlan& state)
{
    m_bRestoring = true;
    if (m_pages.Models() != state.models)
        m_pages.SetModels(state.models);
    m_pages.SetDetails(state.details);
    m_pages.SetPrices(state.prices);
    if (m_pNVRPage->State() != state.Nvr())
        m_pNVRPage->SetState(state.Nvr());
    if (m_pages.IpcState() != state.Ipc())
        m_pages.IpcPage()->SetState(state.Ipc());
    m_bRestoring = false;
    m_shownState = m_pages.State();
    UpdateTitle();
}

void CPlanController::ResetHistory()
{
    m_shownState = m_pages.State();
    m_pUndo->clear();
}

QString CPlanController::PlanName() const
{
    return m_path.isEmpty() ? tr("Untitled") : QFileInfo(m_path).fileName();
}

void CPlanController::UpdateTitle()
{
    const bool modified = IsModified();
    const QString text = m_path.isEmpty() && !modified ? tr("Corvane Tool")
                                                       : tr("%1[*] - Corvane Tool").arg(PlanName());
    if (m_pWindow->windowTitle() != text)
        m_pWindow->setWindowTitle(text);
    m_pWindow->setWindowModified(modified);
    // The skinned title bar shows what the platform's would.
    if (m_pTitle) {
        QString shown = text;
        m_pTitle->SetTitleText(
            shown.replace(QLatin1String("[*]"), modified ? QStringLiteral("*") : QString()));
    }
}

void CPlanController::Warn(const QString& text)
{
    CWarnDlg::ShowWarn(tr("Error"), text, m_pWindow);
}

void CPlanController::MarkSaved(const QString& path)
{
    m_path = QFileInfo(path).absoluteFilePath();
    m_savedState = m_shownState = m_pages.State();
    m_pUndo->setClean();
    UpdateTitle();
}

bool CPlanController::MayDropChanges(Intent intent)
{
    if (!IsModified())
        return true;
    const QString name = PlanName().toHtmlEscaped();
    const QString text =
        intent == Closing
            ? tr("The plan \"%1\" has unsaved changes.<br/>Save them before closing the software?")
                  .arg(name)
            : tr("The plan \"%1\" has unsaved changes.<br/>Save them first?").arg(name);
    switch (CSaveChangesDlg::Ask(tr("Confirm"), text, m_pWindow)) {
    case CSaveChangesDlg::Save:
        return SavePlan();
    case CSaveChangesDlg::Discard:
        return true;
    case CSaveChangesDlg::Cancel:
        break;
    }
    return false;
}

bool CPlanController::OpenFile(const QString& path)
{
    const QString name = QFileInfo(path).fileName().toHtmlEscaped();
    const PlanReadResult read = ReadPlanFile(path);
    if (!read.ok) {
        Warn(tr("The plan \"%1\" could not be opened.").arg(name) + BreakBefore(read.error));
        return false;
    }
    m_bRestoring = true;
    const bool entered = m_pages.Apply(read.plan);
    m_bRestoring = false;
    ResetHistory();
    if (!entered) {
        Warn(tr("The plan \"%1\" could not be entered completely.").arg(name));
        m_path.clear();
        // Whatever the pages hold now is not the plan: it counts as unsaved.
        m_savedState = CorvanePlan();
        UpdateTitle();
        return false;
    }
    MarkSaved(path);
    return true;
}

bool CPlanController::OpenFromCommandLine(const QStringList& arguments)
{
    if (arguments.isEmpty())
        return true;
    if (arguments.size() > 1) {
        Warn(tr("The program takes one plan file as its only argument."));
        return false;
    }
    return OpenFile(arguments.first());
}

bool CPlanController::SaveTo(const QString& path)
{
    // Saved as the pages hold it: a draft keeps its inputs still to be put right.
    const CorvanePlan plan = m_pages.State();
    QString error;
    if (!WritePlanFile(path, plan, &error)) {
        Warn(tr("The plan could not be saved to \"%1\".").arg(path.toHtmlEscaped()) +
             BreakBefore(error));
        UpdateTitle();
        return false;
    }
    MarkSaved(path);
    return true;
}

bool CPlanController::ExportTo(const QString& path)
{
    const CPlanReport report(m_pages.ReportData(), PlanName(), QDateTime::currentDateTime());
    if (report.IsEmpty()) {
        Warn(CPlanReport::NothingToReport());
        return false;
    }
    QString error;
    const bool csv =
        QFileInfo(path).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0;
    if (csv ? report.WriteCsv(path, &error) : report.WritePdf(path, &error))
        return true;
    Warn(tr("The result could not be exported to \"%1\".").arg(path.toHtmlEscaped()) +
         BreakBefore(error));
    return false;
}

QString CPlanController::ResultText() const
{
    const CPlanReport report(m_pages.ReportData(), PlanName(), QDateTime::currentDateTime());
    return m_pStack->currentWidget() == m_pIPCPage ? report.IpcClipboard() : report.NvrClipboard();
}

void CPlanController::NewPlan()
{
    if (!MayDropChanges(Replacing))
        return;
    m_bRestoring = true;
    // A new plan has none of the last one's own models; a catalogue file brings them back.
    m_pages.SetModels({});
    m_pages.Clear();
    m_bRestoring = false;
    ResetHistory();
    m_path.clear();
    m_savedState = m_shownState;
    m_pUndo->setClean();
    UpdateTitle();
}

void CPlanController::OpenPlan()
{
    if (!MayDropChanges(Replacing))
        return;
    const QString path = ChooseOpenPath();
    if (!path.isEmpty())
        OpenFile(path);
}

bool CPlanController::SavePlan()
{
    if (m_path.isEmpty())
        return SavePlanAs();
    return SaveTo(m_path);
}

bool CPlanController::SavePlanAs()
{
    const QString path = ConfirmedSavePath(tr("Save Plan"), tr("Plans (*.corvane)"),
                                           {QLatin1String(PlanFormat::Suffix)});
    return !path.isEmpty() && SaveTo(path);
}

void CPlanController::ExportResult()
{
    // Asked before the file name, which would be asked for in vain.
    if (CPlanReport(m_pages.ReportData(), PlanName(), QDateTime()).IsEmpty()) {
        Warn(CPlanReport::NothingToReport());
        return;
    }
    const QString path = ConfirmedSavePath(tr("Export Result"),
                                           tr("PDF report (*.pdf)") + QStringLiteral(";;") +
                                               tr("CSV for spreadsheets (*.csv)"),
                                           {QStringLiteral("pdf"), QStringLiteral("csv")});
    if (!path.isEmpty())
        ExportTo(path);
}

void CPlanController::PrintResult()
{
    const CPlanReport report(m_pages.ReportData(), PlanName(), QDateTime::currentDateTime());
    if (report.IsEmpty()) {
        Warn(CPlanReport::NothingToReport());
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(PlanName());
    QPrintDialog dialog(&printer, m_pWindow);
    dialog.setWindowTitle(tr("Print Result"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    report.Paint(&printer);
}

void CPlanController::CopyResult()
{
    QGuiApplication::clipboard()->setText(ResultText());
}

QString CPlanController::StartFolder() const
{
    return m_path.isEmpty() ? QDir::homePath() : QFileInfo(m_path).absolutePath();
}

QString CPlanController::ChooseOpenPath()
{
    return CFileDialog::GetOpenFileName(m_pWindow, tr("Open Plan"), StartFolder(),
                                        tr("Plans (*.corvane)") + QStringLiteral(";;") +
                                            tr("All files (*)"));
}

QString CPlanController::ChooseSavePath(const QString& caption, const QString& filters,
                                        QString* selectedFilter)
{
    return CFileDialog::GetSaveFileName(m_pWindow, caption, StartFolder(), filters, selectedFilter);
}

QString CPlanController::ConfirmedSavePath(const QString& caption, const QString& filters,
                                           const QStringList& suffixes)
{
    QString selected;
    QString path = ChooseSavePath(caption, filters, &selected);
    if (path.isEmpty())
        return QString();
    // The chooser leaves the suffix to the user; the chosen filter supplies a missing one.
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (!suffixes.contains(suffix)) {
        QString wanted = suffixes.first();
        for (const QString& candidate : suffixes) {
            if (selected.contains(QStringLiteral("*.") + candidate))
                wanted = candidate;
        }
        path += QLatin1Char('.') + wanted;
    }
    // The chooser does not ask before replacing a file; this does, in the program's own box.
    if (QFileInfo::exists(path) &&
        CWarnDlg::ShowConfirm(tr("Confirm"),
                              tr("\"%1\" already exists.<br/>Replace it?")
                                  .arg(QFileInfo(path).fileName().toHtmlEscaped()),
                              m_pWindow) != 1)
        return QString();
    return path;
}

void CPlanController::ShowResultMenu(const QPoint& globalPos)
{
    QMenu menu(m_pWindow);
    menu.addAction(m_pCopyAction);
    menu.exec(globalPos);
}

bool CPlanController::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == m_pWindow) {
        // The plan's keys work wherever the focus is: a field that would take one for itself
        // (Ctrl+E moves to the end of a line on some platforms, Ctrl+Z undoes its typing) does
        // not get it. Copying a field's selected text stays the field's.
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        const QList<QAction*> actions = Actions();
        const bool ours = std::any_of(actions.begin(), actions.end(), [&pressed](QAction* action) {
            return action->shortcuts().contains(pressed);
        });
        const auto* edit = qobject_cast<const QLineEdit*>(watched);
        if (ours && !(key->matches(QKeySequence::Copy) && edit && edit->hasSelectedText())) {
            event->ignore();
            return true;
        }
    }
    if (event->type() == QEvent::ContextMenu &&
        (watched == m_pTreeViewport || watched == m_pIPCResult)) {
        ShowResultMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
        // The group tree also reports right clicks on its items; let it.
        return false;
    }
    // The tree's own copy key would take one line only.
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) &&
        ((m_pTreeViewport && watched == m_pTreeViewport->parent()) || watched == m_pIPCResult) &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        if (event->type() == QEvent::KeyPress)
            CopyResult();
        event->accept();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
