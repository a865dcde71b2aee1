// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/dialogs/cfiledialog.h"

#include "tests/support/modal.h"

#include <QAbstractItemView>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

class TestCFileDialog : public QObject
{
    Q_OBJECT

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

private:
    // Paths starting with "@" are taken from the temporary root; "@/work" is the current
    // directory.
    QString Rooted(QString path) const;

    QTemporaryDir m_root;
    QString m_previousCurrent;
};

namespace {

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

void TestCFileDialog::initTestCase()
{
    QVERIFY(m_root.isValid());
    QDir root(m_root.path());
    QVERIFY(root.mkpath(QStringLiteral("work/sub")));
    QVERIFY(root.mkpath(QStringLiteral("elsewhere")));
    for (const char* name : {"work/sub/list.txt", "work/sub/more.txt", "elsewhere/cams.txt"}) {
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
        QCOMPARE(frame->size(), QSize(600, 400));
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

QTEST_MAIN(TestCFileDialog)
#include "tst_cfiledialog.moc"
