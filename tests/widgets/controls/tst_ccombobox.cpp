// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/controls/ccombobox.h"
#include "widgets/dialogs/cbasedialog.h"
#include "widgets/dialogs/cpathcombobox.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Answers the file choosers the path combo box opens. A null answer cancels; a dialog that
// is still open after its answer is cancelled too and counted, so no test can hang on it.
class ChooserAnswer : public QObject
{
public:
    explicit ChooserAnswer(const QStringList& paths = {}) : m_paths(paths)
    {
        connect(&m_timer, &QTimer::timeout, this, &ChooserAnswer::Poll);
        m_timer.start(20);
    }

    int opened = 0;
    int stuck = 0;
    QString title;
    QString folder;
    QFileDialog::FileMode fileMode = QFileDialog::AnyFile;
    bool nonNative = false;

private:
    void Poll()
    {
        // The choosers show the toolkit's file dialog inside the program's dialog frame.
        QWidget* modal = QApplication::activeModalWidget();
        auto* frame = qobject_cast<CBaseDialog*>(modal);
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (!dialog && frame)
            dialog = frame->findChild<QFileDialog*>();
        if (!dialog)
            return;
        if (dialog == m_pAnswered) {
            ++stuck;
            dialog->reject();
            return;
        }
        m_pAnswered = dialog;
        ++opened;
        title = frame ? frame->GetTitleText() : dialog->windowTitle();
        folder = dialog->directory().absolutePath();
        fileMode = dialog->fileMode();
        nonNative = dialog->testOption(QFileDialog::DontUseNativeDialog);
        if (m_paths.isEmpty()) {
            dialog->reject();
            return;
        }
        // Typed absolute names are what the dialog returns; a stale selection would win.
        dialog->findChild<QListView*>(QStringLiteral("listView"))->clearSelection();
        QString typed = m_paths.first();
        if (m_paths.size() > 1)
            typed = QLatin1Char('"') + m_paths.join(QLatin1String("\" \"")) + QLatin1Char('"');
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(typed);
        QMetaObject::invokeMethod(dialog, "accept");
    }

    QStringList m_paths;
    QTimer m_timer;
    QPointer<QFileDialog> m_pAnswered;
};

QStringList Items(const QComboBox& combo)
{
    QStringList items;
    for (int i = 0; i < combo.count(); ++i)
        items << combo.itemText(i);
    return items;
}

} // namespace

class TestComboBoxes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void changeReportsTextAndRow_data();
    void changeReportsTextAndRow();
    void firstItemOfAnEmptyComboIsReported();
    void relayComesBeforeLaterConnections();
    void userEnabling_data();
    void userEnabling();

    void filterExtension_data();
    void filterExtension();
    void saveModeAppendsTheExtension_data();
    void saveModeAppendsTheExtension();
    void folderModeEndsWithASlash_data();
    void folderModeEndsWithASlash();
    void openModes_data();
    void openModes();
    void cancellingChangesNothing_data();
    void cancellingChangesNothing();
    void startFolderIsTheCurrentText_data();
    void startFolderIsTheCurrentText();
    void onlyTheArrowStripOpens_data();
    void onlyTheArrowStripOpens();
    void spaceBar_data();
    void spaceBar();

private:
    QTemporaryDir m_dir;
};

void TestComboBoxes::initTestCase()
{
    QVERIFY(m_dir.isValid());
    for (const char* name : {"a.txt", "b.txt"}) {
        QFile file(m_dir.filePath(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
}

void TestComboBoxes::changeReportsTextAndRow_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QStringList>("reported");

    QTest::newRow("choosing another item") << 0 << 2 << QStringList{"c"};
    QTest::newRow("choosing the same item again") << 1 << 1 << QStringList{};
    QTest::newRow("clearing the choice reports no text") << 1 << -1 << QStringList{""};
}

void TestComboBoxes::changeReportsTextAndRow()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QStringList, reported);
    CComboBox combo(nullptr);
    combo.addItems({"a", "b", "c"});
    combo.setCurrentIndex(from);
    combo.SetRow(7);
    QSignalSpy changes(&combo, &CComboBox::comboIndexChange);
    combo.setCurrentIndex(to);
    QCOMPARE(changes.count(), reported.size());
    for (int i = 0; i < changes.count(); ++i) {
        QCOMPARE(changes.at(i).at(0).toString(), reported.at(i));
        QCOMPARE(changes.at(i).at(1).toInt(), 7);
    }
}

void TestComboBoxes::firstItemOfAnEmptyComboIsReported()
{
    CComboBox combo(nullptr);
    QCOMPARE(combo.Row(), 0);
    QSignalSpy changes(&combo, &CComboBox::comboIndexChange);
    combo.addItem(QStringLiteral("first"));
    combo.addItem(QStringLiteral("second"));
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.at(0).at(0).toString(), QStringLiteral("first"));
    QCOMPARE(changes.at(0).at(1).toInt(), 0);

    // A user's choice from the keyboard is reported the same way.
    combo.SetRow(3);
    QTest::keyClick(&combo, Qt::Key_Down);
    QCOMPARE(changes.count(), 2);
    QCOMPARE(changes.at(1).at(0).toString(), QStringLiteral("second"));
    QCOMPARE(changes.at(1).at(1).toInt(), 3);
}

void TestComboBoxes::relayComesBeforeLaterConnections()
{
    CComboBox combo(nullptr);
    combo.addItems({"a", "b"});
    QStringList order;
    connect(&combo, &QComboBox::currentIndexChanged, &combo, [&] { order << "later"; });
    connect(&combo, &CComboBox::comboIndexChange, &combo, [&] { order << "relay"; });
    combo.setCurrentIndex(1);
    QCOMPARE(order, (QStringList{"relay", "later"}));
}

void TestComboBoxes::userEnabling_data()
{
    QTest::addColumn<bool>("useDisabledSlot");
    QTest::addColumn<bool>("argument");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("setUserDisabled(true) disables") << true << true << false;
    QTest::newRow("setUserDisabled(false) enables") << true << false << true;
    QTest::newRow("setUserEnabled(true) enables") << false << true << true;
    QTest::newRow("setUserEnabled(false) disables") << false << false << false;
}

void TestComboBoxes::userEnabling()
{
    QFETCH(bool, useDisabledSlot);
    QFETCH(bool, argument);
    QFETCH(bool, enabled);
    CComboBox combo(nullptr);
    combo.setEnabled(!enabled);
    if (useDisabledSlot)
        combo.setUserDisabled(argument);
    else
        combo.setUserEnabled(argument);
    QCOMPARE(combo.isEnabled(), enabled);
}

void TestComboBoxes::filterExtension_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("extension");

    QTest::newRow("bare pattern") << "*.txt"
                                  << ".txt";
    QTest::newRow("pattern in brackets") << "Text (*.txt)"
                                         << ".txt";
    QTest::newRow("first of several patterns") << "Images (*.png *.jpg)"
                                               << ".png";
    QTest::newRow("first of several filters") << "Text (*.txt);;All (*)"
                                              << ".txt";
    QTest::newRow("double extension") << "*.tar.gz"
                                      << ".tar.gz";
    QTest::newRow("any file") << "All files (*)"
                              << "";
    QTest::newRow("empty filter") << ""
                                  << "";
    QTest::newRow("no star") << "report.txt"
                             << "";
    QTest::newRow("filters without brackets") << "*.txt;;*.log"
                                              << ".txt";
    QTest::newRow("bracket before a later blank") << "Text (*.txt) files"
                                                  << ".txt";
}

void TestComboBoxes::filterExtension()
{
    QFETCH(QString, filter);
    QFETCH(QString, extension);
    QCOMPARE(CPathComboBox::FilterExtension(filter), extension);
}

void TestComboBoxes::saveModeAppendsTheExtension_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("shown");

    QTest::newRow("missing extension is appended") << "*.txt"
                                                   << "report"
                                                   << "report.txt";
    QTest::newRow("present extension stays") << "*.txt"
                                             << "report.txt"
                                             << "report.txt";
    QTest::newRow("empty filter adds nothing") << ""
                                               << "report"
                                               << "report";
    QTest::newRow("the comparison is case-sensitive") << "Text (*.TXT)"
                                                      << "report.txt"
                                                      << "report.txt.TXT";
}

void TestComboBoxes::saveModeAppendsTheExtension()
{
    QFETCH(QString, filter);
    QFETCH(QString, chosen);
    QFETCH(QString, shown);
    CPathComboBox combo;
    combo.addItems({"old one", "old two"});
    combo.SetPathMode(CPathComboBox::SaveFileMode);
    combo.SetFilter(filter);
    ChooserAnswer answer({m_dir.filePath(chosen)});
    combo.showPopup();
    QCOMPARE(answer.opened, 1);
    QCOMPARE(answer.stuck, 0);
    QCOMPARE(Items(combo), QStringList{m_dir.filePath(shown)});
    QCOMPARE(combo.toolTip(), m_dir.filePath(shown));
}

void TestComboBoxes::folderModeEndsWithASlash_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("title");

    QTest::newRow("folder without a slash") << QString() << m_dir.path() << "Select Directory";
    QTest::newRow("root folder keeps one slash") << QString() << "/"
                                                 << "Select Directory";
    QTest::newRow("a given caption is kept") << "Output" << m_dir.path() << "Output";
}

void TestComboBoxes::folderModeEndsWithASlash()
{
    QFETCH(QString, caption);
    QFETCH(QString, folder);
    QFETCH(QString, title);
    CPathComboBox combo;
    combo.SetPathMode(CPathComboBox::DirectoryMode);
    combo.SetCaption(caption);
    ChooserAnswer answer({folder});
    combo.showPopup();
    QCOMPARE(answer.opened, 1);
    QCOMPARE(answer.stuck, 0);
    QCOMPARE(answer.title, title);
    QCOMPARE(combo.Caption(), title);
    const QString shown = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    QCOMPARE(Items(combo), QStringList{shown});
    QCOMPARE(combo.toolTip(), shown);
}

void TestComboBoxes::openModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("chosen");
    QTest::addColumn<int>("fileMode");
    QTest::addColumn<bool>("nonNative");
    QTest::addColumn<QString>("toolTip");

    const QString a = m_dir.filePath(QStringLiteral("a.txt"));
    const QString b = m_dir.filePath(QStringLiteral("b.txt"));
    QTest::newRow("one existing file") << int(CPathComboBox::OpenFileMode) << QStringList{a}
                                       << int(QFileDialog::ExistingFile) << true << a;
    QTest::newRow("several files keep the tool tip")
        << int(CPathComboBox::OpenFilesMode) << QStringList{a, b} << int(QFileDialog::ExistingFiles)
        << true << "before";
    QTest::newRow("a new box opens one existing file")
        << -1 << QStringList{a} << int(QFileDialog::ExistingFile) << true << a;
}

void TestComboBoxes::openModes()
{
    QFETCH(int, mode);
    QFETCH(QStringList, chosen);
    QFETCH(int, fileMode);
    QFETCH(bool, nonNative);
    QFETCH(QString, toolTip);
    CPathComboBox combo;
    combo.addItem(QStringLiteral("old"));
    if (mode >= 0)
        combo.SetPathMode(mode);
    combo.setToolTip(QStringLiteral("before"));
    ChooserAnswer answer(chosen);
    combo.showPopup();
    QCOMPARE(answer.opened, 1);
    QCOMPARE(answer.stuck, 0);
    QCOMPARE(int(answer.fileMode), fileMode);
    QCOMPARE(answer.nonNative, nonNative);
    QCOMPARE(Items(combo), chosen);
    QCOMPARE(combo.toolTip(), toolTip);
}

void TestComboBoxes::cancellingChangesNothing_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("dialogs");

    QTest::newRow("save") << int(CPathComboBox::SaveFileMode) << 1;
    QTest::newRow("open one file") << int(CPathComboBox::OpenFileMode) << 1;
    QTest::newRow("folder") << int(CPathComboBox::DirectoryMode) << 1;
    QTest::newRow("several files") << int(CPathComboBox::OpenFilesMode) << 1;
    QTest::newRow("unknown mode opens nothing") << 9 << 0;
}

void TestComboBoxes::cancellingChangesNothing()
{
    QFETCH(int, mode);
    QFETCH(int, dialogs);
    CPathComboBox combo;
    combo.addItems({"one", "two"});
    combo.SetPathMode(mode);
    combo.setToolTip(QStringLiteral("tip"));
    combo.SetFilter(QStringLiteral("*.txt"));
    ChooserAnswer answer;
    combo.showPopup();
    QCOMPARE(answer.opened, dialogs);
    QCOMPARE(Items(combo), (QStringList{"one", "two"}));
    QCOMPARE(combo.toolTip(), QStringLiteral("tip"));
}

void TestComboBoxes::startFolderIsTheCurrentText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("folder");

    QTest::newRow("current text") << m_dir.path() << m_dir.path();
    QTest::newRow("no text starts in the current folder") << QString() << QDir::currentPath();
}

void TestComboBoxes::startFolderIsTheCurrentText()
{
    QFETCH(QString, text);
    QFETCH(QString, folder);
    CPathComboBox combo;
    if (!text.isEmpty())
        combo.addItem(text);
    combo.SetPathMode(CPathComboBox::DirectoryMode);
    ChooserAnswer answer;
    combo.showPopup();
    QCOMPARE(answer.opened, 1);
    QCOMPARE(QDir(answer.folder).canonicalPath(), QDir(folder).canonicalPath());
}

void TestComboBoxes::onlyTheArrowStripOpens_data()
{
    QTest::addColumn<int>("fromRight");
    QTest::addColumn<int>("opened");

    QTest::newRow("last pixel") << 1 << 1;
    QTest::newRow("first pixel of the strip") << 23 << 1;
    QTest::newRow("just left of the strip") << 24 << 0;
    QTest::newRow("text area") << 150 << 0;
}

void TestComboBoxes::onlyTheArrowStripOpens()
{
    QFETCH(int, fromRight);
    QFETCH(int, opened);
    CPathComboBox combo;
    combo.resize(200, 24);
    combo.addItem(QStringLiteral("kept"));
    combo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&combo));
    ChooserAnswer answer;
    QTest::mouseClick(&combo, Qt::LeftButton, {}, QPoint(combo.width() - fromRight, 12));
    QCOMPARE(answer.opened, opened);
    QCOMPARE(Items(combo), QStringList{"kept"});
}

void TestComboBoxes::spaceBar_data()
{
    QTest::addColumn<bool>("editable");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("opened");

    QTest::newRow("editable box swallows the space bar") << true << int(Qt::Key_Space) << "ab" << 0;
    QTest::newRow("editable box takes other keys") << true << int(Qt::Key_C) << "abc" << 0;
    QTest::newRow("non-editable box opens on the space bar")
        << false << int(Qt::Key_Space) << "ab" << 1;
}

void TestComboBoxes::spaceBar()
{
    QFETCH(bool, editable);
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(int, opened);
    CPathComboBox combo;
    combo.addItem(QStringLiteral("ab"));
    combo.setEditable(editable);
    combo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&combo));
    if (editable)
        combo.lineEdit()->end(false);
    ChooserAnswer answer;
    QTest::keyClick(&combo, Qt::Key(key));
    QCOMPARE(answer.opened, opened);
    QCOMPARE(combo.currentText(), text);
}

QTEST_MAIN(TestComboBoxes)
#include "tst_ccombobox.moc"
