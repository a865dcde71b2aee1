// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CPLANCONTROLLER_H
#define CPLANCONTROLLER_H

#include "ui/cplanpages.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class CDlgCalIPCNum;
class CDlgCalNVRNum;
class CPushButton;
class CWindowTitle;
class QAction;
class QMainWindow;
class QMenu;
class QStackedWidget;
class QUndoStack;

// The plan behind the main window: New, Open, Save and Save As, export and print of the
// results, and copying them, reached from the "Plan" menu button of the tab strip, the
// shortcuts and the result's context menu. The program writes only the file the user has just
// named; a plan with unsaved changes is never dropped without asking.
//
// "Unsaved changes" compares both pages' states with those last saved or opened whenever a page
// says it changed, so a change that is undone by hand is no change. Every change goes onto an
// undo stack of page states; typing into one field is one step.
class CPlanController : public QObject
{
    Q_OBJECT

public:
    enum Intent
    {
        Closing,
        Replacing // New or Open
    };

    // `ipcPage` gives "IPC Calculate" as CPlanPages asks for it; the window calls
    // AttachIPCPage once it has built the page.
    CPlanController(QMainWindow* window, QStackedWidget* stack, CDlgCalNVRNum* nvrPage,
                    CPlanPages::IpcPageSource ipcPage, CWindowTitle* title);
    ~CPlanController() override;

    // The tab strip's menu button; the window places it.
    CPushButton* MenuButton() const { return m_pMenuButton; }
    QList<QAction*> Actions() const;

    bool IsModified() const;
    QString FilePath() const { return m_path; }
    QString PlanName() const;

    // With unsaved changes, asks whether to save them first: true when the caller may go on
    // (saved, or the user chose not to save), false to stay.
    bool MayDropChanges(Intent intent);

    // Each reports its failure in the message box and leaves the pages and the file as they
    // were; true on success.
    bool OpenFile(const QString& path);
    // The program's arguments after the toolkit's: one plan file, or nothing.
    bool OpenFromCommandLine(const QStringList& arguments);
    bool SaveTo(const QString& path);
    bool ExportTo(const QString& path);

    // What Ctrl+C puts on the clipboard for the page shown.
    QString ResultText() const;

    // The plan's own recorder models replaced, records following renamed ones (old -> new
    // name): one change, undone in one step.
    void ApplyModels(const CalModelList& models, const QHash<QString, QString>& renamed);

    // The plan's details and unit prices replaced, a price for each camera record in order (none
    // past the list's end): one change, undone in one step.
    void ApplyDetails(const PlanDetails& details, const PlanPrices& prices,
                      const QList<PlanUnitPrice>& cameraPrices);

    // What the plan holds now, as Save would write it.
    CorvanePlan State() const { return m_pages.State(); }

    // Puts both pages into `state` without recording it as a change (undo and redo).
    void RestoreState(const CorvanePlan& state);
    QUndoStack* UndoStack() const { return m_pUndo; }

    // "IPC Calculate", just built, takes what the plan holds for it and is followed from now
    // on: its changes, its result's menu and copy key.
    void AttachIPCPage(CDlgCalIPCNum* page);

public slots:
    void NewPlan();
    void OpenPlan();
    bool SavePlan();
    bool SavePlanAs();
    void ExportResult();
    void PrintResult();
    void CopyResult();
    // "Recorder Models…": the plan's own models in their dialog.
    void EditModels();
    // "Plan Details…": the plan's details and unit prices in their dialog.
    void EditDetails();
    void UpdateTitle();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

    // The choosers, separate so tests can answer them.
    virtual QString ChooseOpenPath();
    virtual QString ChooseSavePath(const QString& caption, const QString& filters,
                                   QString* selectedFilter);

private:
    // Runs `change` on the pages as one undoable step (none when it changes nothing).
    void ApplyAsOneStep(const std::function<void()>& change);
    void Warn(const QString& text);
    void MarkSaved(const QString& path);
    QString StartFolder() const;
    QString ConfirmedSavePath(const QString& caption, const QString& filters,
                              const QStringList& suffixes);
    void ShowResultMenu(const QPoint& globalPos);
    // A page says what it holds has changed: record it for undo, update the title.
    void PagesChanged();
    // The pages' state as it is now starts the history afresh (New, Open).
    void ResetHistory();
    // The menu's pictures, looked up when it first opens rather than at start-up.
    void SetMenuIcons();

    QMainWindow* m_pWindow;
    QStackedWidget* m_pStack;
    CDlgCalNVRNum* m_pNVRPage;
    CDlgCalIPCNum* m_pIPCPage = nullptr;
    CWindowTitle* m_pTitle;
    CPlanPages m_pages;
    QString m_path;
    CorvanePlan m_savedState;
    // What the pages held after the last change seen; undo steps from it.
    CorvanePlan m_shownState;
    bool m_bRestoring = false;
    QUndoStack* m_pUndo;
    QAction* m_pUndoAction;
    QAction* m_pRedoAction;
    CPushButton* m_pMenuButton;
    QMenu* m_pMenu;
    QAction* m_pNewAction;
    QAction* m_pOpenAction;
    QAction* m_pSaveAction;
    QAction* m_pSaveAsAction;
    QAction* m_pExportAction;
    QAction* m_pPrintAction;
    QAction* m_pCopyAction;
    QAction* m_pDetailsAction;
    QAction* m_pModelsAction;
    QObject* m_pTreeViewport = nullptr;
    QObject* m_pIPCResult = nullptr;
};

#endif
