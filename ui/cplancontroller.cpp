// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/cplancontroller.h"

#include "pages/cdlgcalipcnum.h"
#include "pages/cdlgcalnvrnum.h"
#include "ui/ccorvane.h"
#include "ui/cplanreport.h"
#include "ui/csavechangesdlg.h"
#include "ui/cwindowtitle.h"
#include "widgets/controls/cpushbutton.h"
#include "widgets/dialogs/cfiledialog.h"
#include "widgets/dialogs/cwarndlg.h"
#include "widgets/itemviews/cgrouptreeview.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

namespace {

// How often the title's unsaved mark follows the inputs; comparing both pages' texts is cheap.
constexpr int WatchIntervalMs = 300;

QString BreakBefore(const QString& reason)
{
    return QStringLiteral("<br/>") + reason.toHtmlEscaped();
}

} // namespace

CPlanController::CPlanController(QMainWindow* window, QStackedWidget* stack, CDlgCalNVRNum* nvrPage,
                                 CDlgCalIPCNum* ipcPage, CWindowTitle* title)
    : QObject(window), m_pWindow(window), m_pStack(stack), m_pNVRPage(nvrPage), m_pIPCPage(ipcPage),
      m_pTitle(title), m_pages(nvrPage, ipcPage)
{
    auto makeAction = [this](const QString& text, const QKeySequence& keys,
                             QStyle::StandardPixmap icon) {
        auto* action = new QAction(text, m_pWindow);
        action->setShortcut(keys);
        if (icon != QStyle::SP_CustomBase)
            action->setIcon(m_pWindow->style()->standardIcon(icon));
        m_pWindow->addAction(action);
        return action;
    };
    m_pNewAction =
        makeAction(tr("New Plan"), QKeySequence(Qt::CTRL | Qt::Key_N), QStyle::SP_FileIcon);
    m_pOpenAction = makeAction(tr("Open Plan..."), QKeySequence(Qt::CTRL | Qt::Key_O),
                               QStyle::SP_DialogOpenButton);
    m_pSaveAction = makeAction(tr("Save Plan"), QKeySequence(Qt::CTRL | Qt::Key_S),
                               QStyle::SP_DialogSaveButton);
    m_pSaveAsAction =
        makeAction(tr("Save Plan As..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
                   QStyle::SP_CustomBase);
    m_pExportAction = makeAction(tr("Export Result..."), QKeySequence(Qt::CTRL | Qt::Key_E),
                                 QStyle::SP_CustomBase);
    m_pPrintAction = makeAction(tr("Print Result..."), QKeySequence(Qt::CTRL | Qt::Key_P),
                                QStyle::SP_CustomBase);
    m_pCopyAction =
        makeAction(tr("Copy Result"), QKeySequence(Qt::CTRL | Qt::Key_C), QStyle::SP_CustomBase);

    connect(m_pNewAction, &QAction::triggered, this, &CPlanController::NewPlan);
    connect(m_pOpenAction, &QAction::triggered, this, &CPlanController::OpenPlan);
    connect(m_pSaveAction, &QAction::triggered, this, &CPlanController::SavePlan);
    connect(m_pSaveAsAction, &QAction::triggered, this, &CPlanController::SavePlanAs);
    connect(m_pExportAction, &QAction::triggered, this, &CPlanController::ExportResult);
    connect(m_pPrintAction, &QAction::triggered, this, &CPlanController::PrintResult);
    connect(m_pCopyAction, &QAction::triggered, this, &CPlanController::CopyResult);

    // A tab-strip button in the tabs' own picture, opening the plan menu.
    m_pMenu = new QMenu(m_pWindow);
    m_pMenu->setObjectName(QStringLiteral("m_pPlanMenu"));
    m_pMenu->addActions({m_pNewAction, m_pOpenAction, m_pSaveAction, m_pSaveAsAction});
    m_pMenu->addSeparator();
    m_pMenu->addActions({m_pExportAction, m_pPrintAction});
    m_pMenu->addSeparator();
    m_pMenu->addAction(m_pCopyAction);
    m_pMenuButton =
        new CPushButton(tr("Plan") + QStringLiteral("  \u25BE"), m_pWindow->centralWidget());
    m_pMenuButton->setObjectName(QStringLiteral("m_pBtnPlan"));
    m_pMenuButton->setToolTip(tr("New, open, save, export and print the plan"));
    m_pMenuButton->setAccessibleName(tr("Plan"));
    m_pMenuButton->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_pMenuButton->setMinimumSize(140, 40);
    m_pMenuButton->setStyleSheet(QString::fromLatin1(CCorvane::UnselectedTabStyle));
    m_pMenuButton->setMenu(m_pMenu);

    if (auto* tree =
            m_pNVRPage->findChild<CGroupTreeView*>(QStringLiteral("m_pGroupTableResult"))) {
        tree->installEventFilter(this);
        m_pTreeViewport = tree->viewport();
        m_pTreeViewport->installEventFilter(this);
    }
    m_pIPCResult = m_pIPCPage->findChild<QToolButton*>(QStringLiteral("m_pResultToolButton"));
    if (m_pIPCResult)
        m_pIPCResult->installEventFilter(this);

    m_savedState = m_pages.State();
    m_pWatch = new QTimer(this);
    m_pWatch->setInterval(WatchIntervalMs);
    connect(m_pWatch, &QTimer::timeout, this, &CPlanController::UpdateTitle);
    m_pWatch->start();
}

CPlanController::~CPlanController() = default;

QList<QAction*> CPlanController::Actions() const
{
    return {m_pNewAction,    m_pOpenAction,  m_pSaveAction, m_pSaveAsAction,
            m_pExportAction, m_pPrintAction, m_pCopyAction};
}

bool CPlanController::IsModified() const
{
    return m_pages.State() != m_savedState;
}

QString CPlanController::PlanName() const
{
    return m_path.isEmpty() ? tr("Untitled") : QFileInfo(m_path).fileName();
}

void CPlanController::UpdateTitle()
{
    const bool modified = IsModified();
    QString text;
    if (m_path.isEmpty() && !modified)
        text = tr("Corvane Tool");
    else
        text =
            tr("%1%2 - Corvane Tool").arg(PlanName(), modified ? QStringLiteral("*") : QString());
    if (m_pWindow->windowTitle() != text)
        m_pWindow->setWindowTitle(text);
    if (m_pTitle)
        m_pTitle->SetTitleText(text);
}

void CPlanController::Warn(const QString& text)
{
    CWarnDlg::ShowWarn(tr("Error"), text, m_pWindow);
}

void CPlanController::MarkSaved(const QString& path)
{
    m_path = QFileInfo(path).absoluteFilePath();
    m_savedState = m_pages.State();
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
    if (!m_pages.Apply(read.plan)) {
        Warn(tr("The plan \"%1\" could not be entered completely.").arg(name));
        m_path.clear();
        m_savedState.clear();
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
    QString problem;
    const CorvanePlan plan = m_pages.Capture(&problem);
    if (!problem.isEmpty()) {
        Warn(tr("The plan cannot be saved while an input is not valid.") + BreakBefore(problem));
        return false;
    }
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
    m_pages.Clear();
    m_path.clear();
    m_savedState = m_pages.State();
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
    const QString path = ConfirmedSavePath(tr("Export Result"),
                                           tr("PDF report (*.pdf)") + QStringLiteral(";;") +
                                               tr("CSV for spreadsheets (*.csv)"),
                                           {QStringLiteral("pdf"), QStringLiteral("csv")});
    if (!path.isEmpty())
        ExportTo(path);
}

void CPlanController::PrintResult()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(PlanName());
    QPrintDialog dialog(&printer, m_pWindow);
    dialog.setWindowTitle(tr("Print Result"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    CPlanReport(m_pages.ReportData(), PlanName(), QDateTime::currentDateTime()).Paint(&printer);
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
    if (event->type() == QEvent::ContextMenu &&
        (watched == m_pTreeViewport || watched == m_pIPCResult)) {
        ShowResultMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
        // The group tree also reports right clicks on its items; let it.
        return false;
    }
    // The tree's own copy key would take one line only.
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        if (event->type() == QEvent::KeyPress)
            CopyResult();
        event->accept();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
