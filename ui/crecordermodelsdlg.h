// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CRECORDERMODELSDLG_H
#define CRECORDERMODELSDLG_H

#include "engine/nvrcatalogue.h"
#include "widgets/dialogs/cbasedialog.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

class CPushButton;
class CTableView;
class QComboBox;
class QLabel;
class QLineEdit;
class QStandardItem;
class QStandardItemModel;

// "Recorder Models": the built-in models (read-only, greyed) above the plan's own, which the
// planner adds, copies, edits, removes, imports from and exports to catalogue files. Nothing
// reaches the plan until the caller takes Models() and Renamed() after an accepted exec().
// Return or Enter in the table edits the selected own model, Delete removes it, Escape
// cancels the whole dialog.
class CRecorderModelsDlg : public CBaseDialog
{
    Q_OBJECT

public:
    // `inUse`: the own models' names the pages use now, which cannot be removed.
    CRecorderModelsDlg(const CalModelList& models, const QStringList& inUse,
                       QWidget* parent = nullptr);
    ~CRecorderModelsDlg() override;

    CalModelList Models() const;             // the edited own models, in order
    QHash<QString, QString> Renamed() const; // old name -> new name of own models renamed by Edit

    // Where the pages use a model, by its name as given to the constructor, in the user's
    // language ("NVR Calculate"); the refusal to remove it says so. Without it the refusal
    // says only that the plan's pages use it.
    void SetWhereUsed(const QHash<QString, QString>& where);
    // The folder the import and export choosers open in; the home folder until set.
    void SetStartFolder(const QString& folder);

    // Each reports a refusal in the message box and leaves the list as it was; true on
    // success.
    bool ImportFrom(const QString& path);
    bool ExportTo(const QString& path);

    // "NR-A8V copy", "NR-A8V copy 2", ...: the first such name no model has, however cased,
    // and never longer than a model name may be.
    QString CopyName(const QString& name) const;

public slots:
    void AddModel();
    void CopyModel();
    void EditModel();
    void RemoveModel();
    void ImportModels();
    void ExportModels();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

    // The choosers, separate so tests can answer them; a null string is no choice.
    virtual QString ChooseImportPath();
    virtual QString ChooseExportPath(const QString& filters, QString* selectedFilter);

private:
    struct OwnModel
    {
        CalNVRInfo model;
        QString givenName; // as the caller named it; empty for one added here
        bool inUse = false;
    };

    void Warn(const QString& text);
    QList<QStandardItem*> RowItems(const CalNVRInfo& model, bool builtIn) const;
    void AppendRow(const CalNVRInfo& model, bool builtIn);
    void ShowOwnRow(int own);
    // The selected row's index into the own models, or -1 (none, or a built-in one).
    int SelectedOwn() const;
    int SelectedRow() const;
    void SelectRow(int row);
    void UpdateButtons();
    // The own models other than the one at `except`.
    CalModelList OwnModelsExcept(int except) const;
    // Opens the editor on `model`; true and the edited model in `model` when accepted.
    bool RunEditor(const QString& title, CalNVRInfo& model, int except);
    bool HasRoomFor(std::size_t more);

    std::vector<OwnModel> m_own;
    QHash<QString, QString> m_whereUsed;
    QString m_startFolder;
    int m_builtInRows = 0;
    QStandardItemModel* m_pModel;
    CTableView* m_pTable;
    CPushButton* m_pAddBtn;
    CPushButton* m_pCopyBtn;
    CPushButton* m_pEditBtn;
    CPushButton* m_pRemoveBtn;
    CPushButton* m_pImportBtn;
    CPushButton* m_pExportBtn;
};

// The form of one own model, for Add, Copy and Edit: OK takes only a model CheckModel
// accepts, and says at the form why not; Cancel and Escape leave the model alone. Bandwidth
// is typed in kbps or Mbps (1 Mbps = 1024 kbps); disk bays and the largest disk may be left
// empty, which is unknown.
class CRecorderModelEditDlg : public CBaseDialog
{
    Q_OBJECT

public:
    // `others`: the own models its name must differ from, besides the built-in ones.
    CRecorderModelEditDlg(const QString& title, const CalNVRInfo& model, const CalModelList& others,
                          QWidget* parent = nullptr);

    // The model as the fields hold it; an empty or unreadable required number is out of
    // range.
    CalNVRInfo Model() const;

public slots:
    void accept() override;

private:
    // Shows or hides the message for the first field out of bounds; the field it names.
    QWidget* CheckFields();
    void UnitChanged();

    CalModelList m_others;
    // Once OK has been refused, the message follows every change.
    bool m_bChecking = false;
    int m_unit = 1;
    QLineEdit* m_pNameEdit;
    QLineEdit* m_pBandwidthEdit;
    QComboBox* m_pUnitCombo;
    QLineEdit* m_pChannelsEdit;
    QLineEdit* m_pDisabledEdit;
    QLineEdit* m_pBaysEdit;
    QLineEdit* m_pDiskEdit;
    QLabel* m_pMessage;
};

#endif
