// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/calendar/cuilocale.h"
#include "widgets/dialogs/cfiledialog.h"

#include "tests/support/modal.h"

#include <QAbstractItemView>
#include <QDialogButtonBox>
#include <QDirIterator>
#include <QHeaderView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

class TestCFileDialog : public QObject
{
    Q_OBJECT

public:
    // Before the application exists, the user's folders become empty temporary ones, so that
    // anything the choosers leave there is found.
    static void initMain();

private slots:
    void initTestCase();
    void cleanupTestCase();
    void startFolder_data();
    void startFolder();
    void choosersSetUpTheEmbeddedDialog_data();
    void choosersSetUpTheEmbeddedDialog();
    void acceptedChoosersReturnTheSelection_data();
    void acceptedChoosersReturnTheSelection();
    void escapeDoesNotClose();
    void textsInTheInterfaceLanguage();
    void leavesNothingInTheUsersFolders();

private:
    // Paths starting with "@" are taken from the temporary root; "@/work" is the current
    // directory.
    QString Rooted(QString path) const;

    QTemporaryDir m_root;
    QString m_previousCurrent;
};

namespace {

QTemporaryDir& UserFolders()
{
    static QTemporaryDir folders;
    return folders;
}

// Every file and folder below `root`, hidden ones included.
QStringList Everything(const QString& root)
{
    QStringList found;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        found << it.next();
    return found;
}

enum Chooser
{
    Save,
    Open,
    OpenMany,
    Folder
};

QVariant Run(Chooser chooser, const QString& dir, QString* selectedFilter,
             QFileDialog::Options options = QFileDialog::Options())
{
    const QString filter = QStringLiteral("Text files (*.txt);;All files (*)");
    switch (chooser) {
    case Save:
        return CFileDialog::GetSaveFileName(nullptr, QStringLiteral("Save"), dir, filter,
                                            selectedFilter, options);
    case Open:
        return CFileDialog::GetOpenFileName(nullptr, QStringLiteral("Open"), dir, filter,
                                            selectedFilter, options);
    case OpenMany:
        return CFileDialog::GetOpenFileNames(nullptr, QStringLiteral("Open"), dir, filter,
                                             selectedFilter, options);
    case Folder:
        return CFileDialog::GetExistingDirectory(nullptr, QStringLiteral("Folder"), dir, filter,
                                                 options | QFileDialog::ShowDirsOnly);
    }
    return QVariant();
}

// Checks may fail inside the action: the frame is rejected after it whatever happened.
void OnEmbedded(QObject* context, std::function<void(CBaseDialog*, QFileDialog*)> action)
{
    WhenModal(context, [=](QWidget* modal) {
        auto* frame = qobject_cast<CBaseDialog*>(modal);
        QFileDialog* fd = modal->findChild<QFileDialog*>();
        if (frame && fd)
            action(frame, fd);
        if (modal->isVisible())
            static_cast<QDialog*>(modal)->reject();
    });
}

QPushButton* CancelOf(QFileDialog* fd)
{
    return fd->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel);
}

// The Open, Save or Choose button, whichever the mode shows.
QPushButton* AcceptOf(QFileDialog* fd)
{
    auto* box = fd->findChild<QDialogButtonBox*>();
    for (QAbstractButton* b : box->buttons())
        if (box->buttonRole(b) == QDialogButtonBox::AcceptRole)
            return qobject_cast<QPushButton*>(b);
    return nullptr;
}

} // namespace

void TestCFileDialog::initMain()
{
    const QString home = UserFolders().path();
    qputenv("HOME", QFile::encodeName(home));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home + QStringLiteral("/config")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(home + QStringLiteral("/cache")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home + QStringLiteral("/data")));
}

void TestCFileDialog::initTestCase()
{
    QVERIFY(m_root.isValid());
    QDir root(m_root.path());
    QVERIFY(root.mkpath(QStringLiteral("work/sub")));
    QVERIFY(root.mkpath(QStringLiteral("elsewhere")));
    QVERIFY(root.mkpath(QStringLiteral("kinds")));
    for (const char* name : {"work/sub/list.txt", "work/sub/more.txt", "elsewhere/cams.txt",
                             "kinds/notes.txt", "kinds/bundle.tar.gz"}) {
        QFile file(root.filePath(QLatin1String(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    m_previousCurrent = QDir::currentPath();
    QVERIFY(QDir::setCurrent(root.filePath(QStringLiteral("work"))));
}

void TestCFileDialog::cleanupTestCase()
{
    QDir::setCurrent(m_previousCurrent);
}

QString TestCFileDialog::Rooted(QString path) const
{
    return path.replace(QLatin1Char('@'), QDir(m_root.path()).canonicalPath());
}

void TestCFileDialog::startFolder_data()
{
    QTest::addColumn<QString>("dir");
    QTest::addColumn<QString>("expected");

    QTest::newRow("existing folder") << "@/elsewhere"
                                     << "@/elsewhere";
    QTest::newRow("existing folder, cleaned") << "@/elsewhere/./../work/sub/"
                                              << "@/work/sub";
    QTest::newRow("existing file: its folder") << "@/elsewhere/cams.txt"
                                               << "@/elsewhere";
    QTest::newRow("missing name in an existing folder") << "@/elsewhere/new.txt"
                                                        << "@/elsewhere";
    QTest::newRow("missing folder with a missing parent: current directory") << "@/nowhere/at/all"
                                                                             << "@/work";
    QTest::newRow("empty: current directory") << ""
                                              << "@/work";
    QTest::newRow("relative folder from the current directory") << "sub"
                                                                << "@/work/sub";
    QTest::newRow("relative file from the current directory") << "sub/list.txt"
                                                              << "@/work/sub";
}

void TestCFileDialog::startFolder()
{
    QFETCH(QString, dir);
    QFETCH(QString, expected);
    QCOMPARE(QDir(CFileDialog::StartFolder(Rooted(dir))).canonicalPath(), Rooted(expected));
}

void TestCFileDialog::choosersSetUpTheEmbeddedDialog_data()
{
    QTest::addColumn<int>("chooser");
    QTest::addColumn<QString>("dir");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("accept");
    QTest::addColumn<QString>("expectedDir");

    QTest::newRow("save: any file, save mode")
        << int(Save) << "@/elsewhere" << int(QFileDialog::AnyFile) << int(QFileDialog::AcceptSave)
        << "@/elsewhere";
    QTest::newRow("open: one existing file, started on a file")
        << int(Open) << "@/elsewhere/cams.txt" << int(QFileDialog::ExistingFile)
        << int(QFileDialog::AcceptOpen) << "@/elsewhere";
    QTest::newRow("open several: existing files, missing parent")
        << int(OpenMany) << "@/nowhere/at/all" << int(QFileDialog::ExistingFiles)
        << int(QFileDialog::AcceptOpen) << "@/work";
    QTest::newRow("folder: directory mode")
        << int(Folder) << "@/work/sub" << int(QFileDialog::Directory)
        << int(QFileDialog::AcceptOpen) << "@/work/sub";
}

void TestCFileDialog::choosersSetUpTheEmbeddedDialog()
{
    QFETCH(int, chooser);
    QFETCH(QString, dir);
    QFETCH(int, mode);
    QFETCH(int, accept);
    QFETCH(QString, expectedDir);

    QObject context;
    bool seen = false;
    OnEmbedded(&context, [&](CBaseDialog* frame, QFileDialog* fd) {
        seen = true;
        QCOMPARE(int(fd->fileMode()), mode);
        QCOMPARE(int(fd->acceptMode()), accept);
        QCOMPARE(fd->directory().canonicalPath(), Rooted(expectedDir));
        const QFileDialog::Options options = fd->options();
        QVERIFY(options.testFlag(QFileDialog::DontConfirmOverwrite));
        QVERIFY(options.testFlag(QFileDialog::ReadOnly));
        QVERIFY(options.testFlag(QFileDialog::DontUseNativeDialog));
        QCOMPARE(options.testFlag(QFileDialog::ShowDirsOnly), chooser == Folder);
        QCOMPARE(fd->nameFilters().size(), 2);
        QVERIFY(!frame->GetTitleText().isEmpty());
        QCOMPARE(frame->size(), QSize(720, 440));
        QVERIFY(frame->findChild<QWidget*>(QStringLiteral("m_pCloseBtn"))->isVisible());
        QTest::mouseClick(CancelOf(fd), Qt::LeftButton);
    });
    QString selectedFilter = QStringLiteral("All files (*)");
    const QVariant result = Run(Chooser(chooser), Rooted(dir), &selectedFilter);
    QVERIFY(seen);

    // Cancelled: nothing chosen, the caller's filter untouched.
    if (chooser == OpenMany)
        QVERIFY(result.toStringList().isEmpty());
    else
        QVERIFY(result.toString().isNull());
    QCOMPARE(selectedFilter, QStringLiteral("All files (*)"));
}

void TestCFileDialog::acceptedChoosersReturnTheSelection_data()
{
    QTest::addColumn<int>("chooser");
    QTest::addColumn<QStringList>("select");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("open one file")
        << int(Open) << QStringList{"list.txt"} << QStringList{"@/work/sub/list.txt"};
    QTest::newRow("open two files") << int(OpenMany) << QStringList{"list.txt", "more.txt"}
                                    << QStringList{"@/work/sub/list.txt", "@/work/sub/more.txt"};
    QTest::newRow("save under a new name")
        << int(Save) << QStringList{"new.txt"} << QStringList{"@/work/sub/new.txt"};
    QTest::newRow("choose the start folder")
        << int(Folder) << QStringList{} << QStringList{"@/work/sub"};
}

void TestCFileDialog::acceptedChoosersReturnTheSelection()
{
    QFETCH(int, chooser);
    QFETCH(QStringList, select);
    QFETCH(QStringList, expected);
    for (QString& path : expected)
        path = Rooted(path);

    QObject context;
    OnEmbedded(&context, [&](CBaseDialog*, QFileDialog* fd) {
        fd->selectNameFilter(QStringLiteral("Text files (*.txt)"));
        if (select.size() == 1)
            fd->selectFile(select.first());
        else if (select.size() > 1)
            fd->selectFile(QLatin1Char('"') + select.join(QStringLiteral("\" \"")) +
                           QLatin1Char('"'));
        QTest::mouseClick(AcceptOf(fd), Qt::LeftButton);
    });
    QString selectedFilter = QStringLiteral("All files (*)");
    const QVariant result =
        Run(Chooser(chooser), Rooted(QStringLiteral("@/work/sub")), &selectedFilter);

    // Compared through the canonical folder, as the temporary root may lie behind a link.
    QStringList got = chooser == OpenMany ? result.toStringList() : QStringList{result.toString()};
    for (QString& path : got)
        path = chooser == Folder ? QDir(path).canonicalPath()
                                 : QFileInfo(path).dir().canonicalPath() + QLatin1Char('/') +
                                       QFileInfo(path).fileName();
    got.sort();
    QCOMPARE(got, expected);
    if (chooser != Folder)
        QCOMPARE(selectedFilter, QStringLiteral("Text files (*.txt)"));
}

void TestCFileDialog::escapeDoesNotClose()
{
    QObject context;
    bool openAfterEscape = false;
    OnEmbedded(&context, [&](CBaseDialog* frame, QFileDialog* fd) {
        QWidget* focus = QApplication::focusWidget();
        const QList<QWidget*> targets{
            focus ? focus : fd, fd, fd->findChild<QAbstractItemView*>(QStringLiteral("listView")),
            fd->findChild<QAbstractItemView*>(QStringLiteral("treeView"))};
        for (QWidget* target : targets)
            if (target)
                QTest::keyClick(target, Qt::Key_Escape);
        openAfterEscape = frame->isVisible() && fd->isVisible();
        QTest::mouseClick(CancelOf(fd), Qt::LeftButton);
    });
    QVERIFY(Run(Open, QString(), nullptr).toString().isNull());
    QVERIFY(openAfterEscape);
}

void TestCFileDialog::textsInTheInterfaceLanguage()
{
    const QLocale chinese(QLocale::Chinese, QLocale::China);
    CUiLocale::SetProvider([chinese]() { return std::optional<QLocale>(chinese); });
    // A kind with a long description, which the toolkit's sample widths do not allow for.
    const QFileInfo file(Rooted(QStringLiteral("@/kinds/bundle.tar.gz")));

    QObject context;
    QMap<int, QString> shown;
    QMap<int, int> widest;
    QMap<int, int> widths;
    OnEmbedded(&context, [&](CBaseDialog*, QFileDialog* fd) {
        fd->setViewMode(QFileDialog::Detail);
        auto* view = fd->findChild<QTreeView*>(QStringLiteral("treeView"));
        QVERIFY(view);
        QAbstractItemModel* model = view->model();
        QModelIndex row;
        QTRY_VERIFY((row = model
                               ->match(model->index(0, 0, view->rootIndex()), Qt::DisplayRole,
                                       file.fileName(), 1, Qt::MatchExactly)
                               .value(0))
                        .isValid());
        QCoreApplication::processEvents();
        for (int column = 1; column <= 3; ++column) {
            shown[column] = row.siblingAtColumn(column).data().toString();
            int need = view->header()->fontMetrics().horizontalAdvance(
                model->headerData(column, Qt::Horizontal).toString());
            for (int r = 0; r < model->rowCount(view->rootIndex()); ++r)
                need =
                    qMax(need, view->fontMetrics().horizontalAdvance(
                                   model->index(r, column, view->rootIndex()).data().toString()));
            widest[column] = need;
            widths[column] = view->header()->sectionSize(column);
        }
    });
    QString everything = QStringLiteral("All files (*)");
    const QVariant chosen = Run(Open, file.absolutePath(), &everything);
    CUiLocale::SetProvider(nullptr);
    QVERIFY(chosen.toString().isNull());

    QCOMPARE(shown.value(1), chinese.formattedDataSize(file.size()));
    QCOMPARE(shown.value(3), chinese.toString(file.lastModified(), QLocale::ShortFormat));
    const QString kind = shown.value(2);
    QVERIFY2(std::any_of(kind.begin(), kind.end(),
                         [](QChar c) { return c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF; }),
             qPrintable(QStringLiteral("a Chinese kind, not \"%1\"").arg(kind)));
    for (int column = 1; column <= 3; ++column)
        QVERIFY2(widths.value(column) >= widest.value(column),
                 qPrintable(QStringLiteral("column %1 is %2 wide for texts of %3")
                                .arg(column)
                                .arg(widths.value(column))
                                .arg(widest.value(column))));
}

void TestCFileDialog::leavesNothingInTheUsersFolders()
{
    const QString home = UserFolders().path();
    QCOMPARE(QDir::homePath(), home);

    // A save under a new name, then an open that is cancelled.
    QObject context;
    OnEmbedded(&context, [&](CBaseDialog*, QFileDialog* fd) {
        fd->selectFile(QStringLiteral("named.txt"));
        QTest::mouseClick(AcceptOf(fd), Qt::LeftButton);
    });
    const QString saved = Run(Save, Rooted(QStringLiteral("@/elsewhere")), nullptr).toString();
    QCOMPARE(QFileInfo(saved).fileName(), QStringLiteral("named.txt"));
    OnEmbedded(&context, [&](CBaseDialog*, QFileDialog* fd) {
        QTest::mouseClick(CancelOf(fd), Qt::LeftButton);
    });
    QVERIFY(Run(Open, home, nullptr).toString().isNull());

    QCOMPARE(Everything(home), QStringList());
    QCOMPARE(Everything(Rooted(QStringLiteral("@/elsewhere"))),
             QStringList{Rooted(QStringLiteral("@/elsewhere/cams.txt"))});
}

QTEST_MAIN(TestCFileDialog)
#include "tst_cfiledialog.moc"
