// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/nvrcatalogue.h"
#include "ui/crecordermodelsdlg.h"
#include "widgets/dialogs/cwarndlg.h"

#include "tests/support/modal.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTreeView>
#include <QtTest>

namespace {

CalNVRInfo Model(const QString& name, int bandwidth, int channels, int disabled, int bays = 0,
                 int disk = 0)
{
    CalNVRInfo model(0, name, channels, disabled, bandwidth);
    model.bays = bays;
    model.largestDiskTB = disk;
    return model;
}

// The plan's models: the pages use Lobby-8; "NR-A8V copy" is the name a first copy would take.
CalModelList StartModels()
{
    return {Model(QStringLiteral("Site-32"), 81920, 32, 8, 4, 16),
            Model(QStringLiteral("Lobby-8"), 20480, 8, 0),
            Model(QStringLiteral("NR-A8V copy"), 1000, 4, 0)};
}

const QString InUse = QStringLiteral("Lobby-8");

// One model a line: name, kbps, channels, may be disabled, bays, largest disk.
QStringList Lines(const CalModelList& models)
{
    QStringList lines;
    for (const CalNVRInfo& m : models)
        lines << QStringLiteral("%1|%2|%3|%4|%5|%6")
                     .arg(m.name)
                     .arg(m.bandwidth)
                     .arg(m.ipChannels)
                     .arg(m.maxDisableChannels)
                     .arg(m.bays)
                     .arg(m.largestDiskTB);
    return lines;
}

int RowNamed(QTreeView* table, const QString& name)
{
    const QAbstractItemModel* model = table->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->index(row, 0).data().toString() == name)
            return row;
    }
    return -1;
}

// What the next modal dialog said: a message box's text, or the form's message when it
// refused OK. Fills the form first, unit before bandwidth: name, bandwidth, unit, channels,
// may be disabled, bays, largest disk; no fields leaves the form as it opened.
struct Seen
{
    bool editor = false;
    QString said;
};

void Answer(QObject* context, const QStringList& fields, Seen* seen)
{
    WhenModal(context, [fields, seen](QWidget* modal) {
        if (auto* warn = qobject_cast<CWarnDlg*>(modal)) {
            seen->said = warn->findChild<QTextBrowser*>()->toPlainText().replace(
                QChar::LineSeparator, QLatin1Char('\n'));
            warn->done(0);
            return;
        }
        auto* editor = qobject_cast<CRecorderModelEditDlg*>(modal);
        if (!editor) {
            static_cast<QDialog*>(modal)->done(0);
            return;
        }
        seen->editor = true;
        if (!fields.isEmpty()) {
            auto* unit = editor->findChild<QComboBox*>(QStringLiteral("m_pUnitCombo"));
            unit->setCurrentIndex(unit->findText(fields.at(2)));
            const char* edits[] = {"m_pNameEdit",     "m_pBandwidthEdit", nullptr,
                                   "m_pChannelsEdit", "m_pDisabledEdit",  "m_pBaysEdit",
                                   "m_pDiskEdit"};
            for (int i = 0; i < 7; ++i) {
                if (!edits[i])
                    continue;
                auto* edit = editor->findChild<QLineEdit*>(QLatin1String(edits[i]));
                edit->clear();
                QTest::keyClicks(edit, fields.at(i));
            }
        }
        QTest::mouseClick(editor->findChild<QPushButton*>(QStringLiteral("pOkBtn")),
                          Qt::LeftButton);
        if (editor->isVisible()) {
            QTextDocument message;
            message.setHtml(editor->findChild<QLabel*>(QStringLiteral("m_pMessage"))->text());
            seen->said = message.toPlainText();
            editor->done(QDialog::Rejected);
        }
    });
}

// Answers the catalogue choosers as a user would.
class ChoosingDlg : public CRecorderModelsDlg
{
public:
    using CRecorderModelsDlg::CRecorderModelsDlg;

    QString importPath;
    QString exportPath;
    int exportFilter = 0;

protected:
    QString ChooseImportPath() override { return importPath; }
    QString ChooseExportPath(const QString& filters, QString* selectedFilter) override
    {
        *selectedFilter = filters.split(QStringLiteral(";;")).value(exportFilter);
        return exportPath;
    }
};

} // namespace

class TestCRecorderModelsDlg : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void editing_data();
    void editing();
    void catalogueRoundTrip_data();
    void catalogueRoundTrip();
    void tabReachesEveryButton();
};

void TestCRecorderModelsDlg::initTestCase()
{
    InitNVRTypeTable();
}

void TestCRecorderModelsDlg::editing_data()
{
    QTest::addColumn<QString>("select");
    QTest::addColumn<QString>("action"); // a button, or a key pressed in the table
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("models");
    QTest::addColumn<QString>("said");
    QTest::addColumn<QString>("renamed");
    QTest::addColumn<QString>("selected");

    const QStringList start = Lines(StartModels());
    const QStringList none;
    const QString nothing;

    QTest::newRow("add a valid model")
        << nothing << "m_pAddBtn" << QStringList{"Gate-4", "20", "Mbps", "4", "0", "", ""}
        << start + QStringList{"Gate-4|20480|4|0|0|0"} << nothing << nothing << "Gate-4";
    QTest::newRow("a built-in's name in another case is refused")
        << nothing << "m_pAddBtn" << QStringList{"nr-a8v", "20", "Mbps", "8", "0", "", ""} << start
        << "Another recorder model is already called \"nr-a8v\"" << nothing << "Site-32";
    QTest::newRow("bandwidth 0 is refused")
        << nothing << "m_pAddBtn" << QStringList{"Gate-4", "0", "kbps", "4", "0", "", ""} << start
        << "The bandwidth must be 1 to 100000000 kbps" << nothing << "Site-32";
    QTest::newRow("more channels disabled than there are is refused")
        << nothing << "m_pAddBtn" << QStringList{"Gate-4", "1000", "kbps", "8", "9", "2", "8"}
        << start << "The channels that may be disabled must be 0 to the model's channels" << nothing
        << "Site-32";
    QTest::newRow("copy of a built-in, named apart from an earlier copy")
        << "NR-A8V"
        << "m_pCopyBtn" << none << start + QStringList{"NR-A8V copy 2|20480|8|0|0|0"} << nothing
        << nothing << "NR-A8V copy 2";
    QTest::newRow("Return edits and renames")
        << "Site-32"
        << "Return" << QStringList{"Site-48", "80", "Mbps", "48", "8", "4", "16"}
        << QStringList{"Site-48|81920|48|8|4|16", start.at(1), start.at(2)} << nothing
        << "Site-32>Site-48"
        << "Site-48";
    QTest::newRow("Return leaves a built-in alone and the dialog open")
        << "NR-K16Y"
        << "Return" << none << start << nothing << nothing << "NR-K16Y";
    QTest::newRow("a model in use is not removed, and where is said")
        << "Lobby-8"
        << "m_pRemoveBtn" << none << start
        << "\"Lobby-8\" cannot be removed: it is in use (IPC Calculate, record 2).\nChoose "
           "another model there first."
        << nothing << "Lobby-8";
    QTest::newRow("Delete removes a model not in use")
        << "Site-32"
        << "Delete" << none << QStringList{start.at(1), start.at(2)} << nothing << nothing
        << "Lobby-8";
}

void TestCRecorderModelsDlg::editing()
{
    QFETCH(QString, select);
    QFETCH(QString, action);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, models);
    QFETCH(QString, said);
    QFETCH(QString, renamed);
    QFETCH(QString, selected);

    CRecorderModelsDlg dlg(StartModels(), {InUse});
    dlg.SetWhereUsed({{InUse, QStringLiteral("IPC Calculate, record 2")}});
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    auto* table = dlg.findChild<QTreeView*>(QStringLiteral("m_pModelTable"));
    QVERIFY(table);
    if (!select.isEmpty()) {
        const int row = RowNamed(table, select);
        QVERIFY(row >= 0);
        table->setCurrentIndex(table->model()->index(row, 0));
    }

    Seen seen;
    Answer(&dlg, fields, &seen);
    if (auto* button = dlg.findChild<QPushButton*>(action)) {
        QTest::mouseClick(button, Qt::LeftButton);
    } else {
        table->setFocus();
        QTest::keyClick(table, action == QLatin1String("Delete") ? Qt::Key_Delete : Qt::Key_Return);
    }

    QCOMPARE(Lines(dlg.Models()), models);
    QCOMPARE(seen.said, said);
    QCOMPARE(seen.editor, !fields.isEmpty() || action == QLatin1String("m_pCopyBtn"));
    QStringList renames;
    const QHash<QString, QString> map = dlg.Renamed();
    for (auto it = map.begin(); it != map.end(); ++it)
        renames << it.key() + QLatin1Char('>') + it.value();
    QCOMPARE(renames.join(QLatin1Char(',')), renamed);
    QVERIFY2(dlg.isVisible(), "only OK, Cancel and Escape end the dialog");

    // The table shows the built-in models, then the plan's, as the list holds them.
    const QAbstractItemModel* shown = table->model();
    QCOMPARE(shown->rowCount(), int(NVRTypeList.size()) + models.size());
    for (int i = 0; i < models.size(); ++i)
        QCOMPARE(shown->index(int(NVRTypeList.size()) + i, 0).data().toString(),
                 models.at(i).section(QLatin1Char('|'), 0, 0));
    const QModelIndexList rows = table->selectionModel()->selectedRows();
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first().data().toString(), selected);
    const bool own = rows.first().row() >= int(NVRTypeList.size());
    QCOMPARE(dlg.findChild<QPushButton*>(QStringLiteral("m_pEditBtn"))->isEnabled(), own);
    QCOMPARE(dlg.findChild<QPushButton*>(QStringLiteral("m_pRemoveBtn"))->isEnabled(), own);
}

void TestCRecorderModelsDlg::catalogueRoundTrip_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("filter");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QByteArray>("begins");

    QTest::newRow("JSON by default") << "models" << 0 << "models.json" << QByteArray("{");
    QTest::newRow("the CSV filter") << "models" << 1 << "models.csv" << QByteArray("name,");
    QTest::newRow("a typed .csv suffix")
        << "models.csv" << 0 << "models.csv" << QByteArray("name,");
}

void TestCRecorderModelsDlg::catalogueRoundTrip()
{
    QFETCH(QString, typed);
    QFETCH(int, filter);
    QFETCH(QString, written);
    QFETCH(QByteArray, begins);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // A name with what CSV must quote.
    CalModelList exported = StartModels();
    exported.push_back(Model(QStringLiteral("Hall \"B\", east"), 4096, 4, 4, 2, 0));
    ChoosingDlg source(exported, {});
    source.exportPath = dir.filePath(typed);
    source.exportFilter = filter;
    source.show();
    QVERIFY(QTest::qWaitForWindowExposed(&source));
    QTest::mouseClick(source.findChild<QPushButton*>(QStringLiteral("m_pExportBtn")),
                      Qt::LeftButton);
    QFile file(dir.filePath(written));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    QVERIFY(file.readAll().startsWith(begins));

    const CalModelList before = {Model(QStringLiteral("Gate-4"), 20480, 4, 0)};
    ChoosingDlg target(before, {});
    target.importPath = file.fileName();
    target.show();
    QVERIFY(QTest::qWaitForWindowExposed(&target));
    auto* import = target.findChild<QPushButton*>(QStringLiteral("m_pImportBtn"));
    QTest::mouseClick(import, Qt::LeftButton);
    QCOMPARE(Lines(target.Models()), Lines(before) + Lines(exported));

    // Once more: every name is taken now, and nothing is added.
    Seen seen;
    Answer(&target, {}, &seen);
    QTest::mouseClick(import, Qt::LeftButton);
    QVERIFY2(seen.said.contains(written) &&
                 seen.said.contains(QStringLiteral("already called \"Site-32\"")),
             qPrintable(seen.said));
    QCOMPARE(Lines(target.Models()), Lines(before) + Lines(exported));
}

void TestCRecorderModelsDlg::tabReachesEveryButton()
{
    CRecorderModelsDlg dlg(StartModels(), {});
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QApplication::setActiveWindow(&dlg);
    // An own model is selected, so every button is enabled; Tab walks them in order and
    // comes back round to the table.
    QStringList walked;
    QWidget* start = QApplication::focusWidget();
    QVERIFY(start);
    walked << start->objectName();
    for (int i = 0; i < 9; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walked << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(walked, QStringList({"m_pModelTable", "m_pAddBtn", "m_pCopyBtn", "m_pEditBtn",
                                  "m_pRemoveBtn", "m_pImportBtn", "m_pExportBtn", "pOkBtn",
                                  "pCancelBtn", "m_pModelTable"}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QCOMPARE(dlg.result(), int(QDialog::Rejected));
    QVERIFY(!dlg.isVisible());
}

QTEST_MAIN(TestCRecorderModelsDlg)
#include "tst_crecordermodelsdlg.moc"
