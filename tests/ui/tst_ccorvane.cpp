#include "engine/nvrcatalogue.h"
#include "pages/cdlgcalipcnum.h"
#include "pages/cdlgcalnvrnum.h"
#include "ui/ccorvane.h"

#include "tests/support/modal.h"

#include <QDialog>
#include <QPushButton>
#include <QStackedWidget>
#include <QtTest>

class TestCCorvane : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startsOnNVRPage();
    void windowIsFixedAndFrameless();
    void catalogueFilledOnce();
    void tabSwitching_data();
    void tabSwitching();
    void aboutKeepsPageAndTabs();
    void closeDeclinedKeepsEverything();
    void closeConfirmedQuits();

private:
    QPushButton* Button(const char* name) const
    {
        return m_window->findChild<QPushButton*>(QLatin1String(name));
    }
    // Answers the next modal dialog with accept() or reject(), whatever dialog class
    // the confirmation uses.
    void AnswerNextModal(bool accept);

    CCorvane* m_window = nullptr;
    int m_modalsSeen = 0;
};

void TestCCorvane::init()
{
    NVRTypeList.clear();
    m_window = new CCorvane;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_modalsSeen = 0;
}

void TestCCorvane::cleanup()
{
    delete m_window;
    m_window = nullptr;
}

void TestCCorvane::AnswerNextModal(bool accept)
{
    WhenModal(m_window, [this, accept](QWidget* modal) {
        auto* dialog = qobject_cast<QDialog*>(modal);
        if (!dialog)
            return;
        ++m_modalsSeen;
        accept ? dialog->accept() : dialog->reject();
    });
}

void TestCCorvane::startsOnNVRPage()
{
    QCOMPARE(m_window->StackedWidget()->currentIndex(), 0);
    QCOMPARE(m_window->StackedWidget()->currentWidget(), m_window->NVRPage());
    QCOMPARE(m_window->StackedWidget()->widget(1), m_window->IPCPage());
    QCOMPARE(Button("m_pBtnCalNVRNum")->styleSheet(), QLatin1String(CCorvane::SelectedTabStyle));
    QCOMPARE(Button("m_pBtnCalIPCNum")->styleSheet(), QLatin1String(CCorvane::UnselectedTabStyle));
    QCOMPARE(Button("m_pBtnAbout")->styleSheet(), QLatin1String(CCorvane::UnselectedTabStyle));
    QCOMPARE(Button("m_pBtnCalNVRNum")->text(), QStringLiteral("NVR Calculate"));
    QCOMPARE(Button("m_pBtnCalIPCNum")->text(), QStringLiteral("IPC Calculate"));
    QCOMPARE(Button("m_pBtnAbout")->text(), QStringLiteral("About"));
}

void TestCCorvane::windowIsFixedAndFrameless()
{
    QCOMPARE(m_window->size(), QSize(1024, 768));
    QCOMPARE(m_window->minimumSize(), QSize(1024, 768));
    QCOMPARE(m_window->maximumSize(), QSize(1024, 768));
    QVERIFY(m_window->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(m_window->objectName(), QStringLiteral("CCorvaneClass"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Corvane Tool"));
    QVERIFY(m_window->styleSheet().contains(QLatin1String("dialog_bg2.png")));
    // The pages are embedded as plain children of the stack, not as dialogs of their own.
    QVERIFY(!m_window->NVRPage()->isWindow());
    QVERIFY(!m_window->IPCPage()->isWindow());
}

void TestCCorvane::catalogueFilledOnce()
{
    QCOMPARE(int(NVRTypeList.size()), 28);
}

void TestCCorvane::tabSwitching_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("nvrSelected");

    QTest::newRow("IPC tab") << QStringList{"m_pBtnCalIPCNum"} << 1 << false;
    QTest::newRow("IPC then NVR") << QStringList{"m_pBtnCalIPCNum", "m_pBtnCalNVRNum"} << 0 << true;
    QTest::newRow("selected tab again changes nothing")
        << QStringList{"m_pBtnCalNVRNum", "m_pBtnCalNVRNum"} << 0 << true;
    QTest::newRow("IPC twice") << QStringList{"m_pBtnCalIPCNum", "m_pBtnCalIPCNum"} << 1 << false;
}

void TestCCorvane::tabSwitching()
{
    QFETCH(QStringList, clicks);
    QFETCH(int, index);
    QFETCH(bool, nvrSelected);
    for (const QString& name : clicks)
        QTest::mouseClick(Button(name.toLatin1().constData()), Qt::LeftButton);
    QCOMPARE(m_window->StackedWidget()->currentIndex(), index);
    const QString selected = QLatin1String(CCorvane::SelectedTabStyle);
    const QString unselected = QLatin1String(CCorvane::UnselectedTabStyle);
    QCOMPARE(Button("m_pBtnCalNVRNum")->styleSheet(), nvrSelected ? selected : unselected);
    QCOMPARE(Button("m_pBtnCalIPCNum")->styleSheet(), nvrSelected ? unselected : selected);
    QCOMPARE(Button("m_pBtnAbout")->styleSheet(), unselected);
}

void TestCCorvane::aboutKeepsPageAndTabs()
{
    QTest::mouseClick(Button("m_pBtnCalIPCNum"), Qt::LeftButton);
    // Whether or not About opens a dialog, answer any that appears.
    AnswerNextModal(false);
    QTest::mouseClick(Button("m_pBtnAbout"), Qt::LeftButton);
    QCOMPARE(m_window->StackedWidget()->currentIndex(), 1);
    QCOMPARE(Button("m_pBtnCalIPCNum")->styleSheet(), QLatin1String(CCorvane::SelectedTabStyle));
    QCOMPARE(Button("m_pBtnAbout")->styleSheet(), QLatin1String(CCorvane::UnselectedTabStyle));
}

void TestCCorvane::closeDeclinedKeepsEverything()
{
    QTest::mouseClick(Button("m_pBtnCalIPCNum"), Qt::LeftButton);
    QPointer<CDlgCalIPCNum> ipc = m_window->IPCPage();
    QPointer<CDlgCalNVRNum> nvr = m_window->NVRPage();
    QSignalSpy quitSpy(qApp, &QCoreApplication::aboutToQuit);

    AnswerNextModal(false);
    QVERIFY(!m_window->close());
    QCOMPARE(m_modalsSeen, 1);
    QTest::qWait(50);
    QVERIFY(m_window->isVisible());
    QVERIFY(ipc && nvr);
    QCOMPARE(m_window->StackedWidget()->currentIndex(), 1);
    QCOMPARE(quitSpy.count(), 0);
}

void TestCCorvane::closeConfirmedQuits()
{
    QPointer<CDlgCalIPCNum> ipc = m_window->IPCPage();
    QPointer<CDlgCalNVRNum> nvr = m_window->NVRPage();
    bool closed = false;
    // The quit is queued, so it only ends a running event loop: close from inside one.
    QTimer::singleShot(0, m_window, [&]() {
        AnswerNextModal(true);
        closed = m_window->close();
    });
    QTimer::singleShot(20000, m_window, []() { QCoreApplication::exit(99); });
    const int result = QCoreApplication::exec();
    QCOMPARE(result, 0);
    QVERIFY(closed);
    QCOMPARE(m_modalsSeen, 1);
    QVERIFY(!ipc);
    QVERIFY(!nvr);
    QVERIFY(!m_window->StackedWidget());
}

QTEST_MAIN(TestCCorvane)
#include "tst_ccorvane.moc"
