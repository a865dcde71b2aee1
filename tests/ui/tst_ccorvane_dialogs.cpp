// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ccorvane.h"
#include "ui/cdlgabout.h"
#include "ui/csavechangesdlg.h"
#include "ui/cwindowtitle.h"
#include "widgets/dialogs/cwarndlg.h"

#include "tests/support/modal.h"

#include <QGridLayout>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QtTest>

// The main window's use of the title bar, the About dialog, the close confirmation and the
// question about unsaved changes.
class TestCCorvaneDialogs : public QObject
{
    Q_OBJECT

private slots:
    void titleBarSpansTheTopRow();
    void aboutOpensModallyAndChangesNothing();
    void declinedCloseKeepsEverything_data();
    void declinedCloseKeepsEverything();
    void confirmedCloseTearsDown();
    void unsavedChangesAnswers_data();
    void unsavedChangesAnswers();
};

namespace {

struct Confirmation
{
    bool seen = false;
    QString title;
    QString text;
    bool closedByAnswer = false;
};

void AnswerConfirmation(QObject* context, const QString& button, Confirmation* out)
{
    WhenModal(context, [=](QWidget* modal) {
        if (auto* dlg = qobject_cast<CWarnDlg*>(modal)) {
            out->seen = true;
            out->title = dlg->GetTitleText();
            out->text = dlg->findChild<QTextBrowser*>()->toPlainText();
        }
        if (auto* b = modal->findChild<QPushButton*>(button))
            QTest::mouseClick(b, Qt::LeftButton);
        else
            QTest::keyClick(modal->focusWidget() ? modal->focusWidget() : modal, KeyNamed(button));
        out->closedByAnswer = !modal->isVisible();
        if (modal->isVisible())
            static_cast<QDialog*>(modal)->done(0);
    });
}

} // namespace

void TestCCorvaneDialogs::titleBarSpansTheTopRow()
{
    CCorvane window;
    CWindowTitle* bar = window.WindowTitle();
    QVERIFY(bar);
    auto* grid = window.findChild<QGridLayout*>(QStringLiteral("m_pGridLayout"));
    const int index = grid->indexOf(bar);
    QVERIFY(index >= 0);
    int row, column, rowSpan, columnSpan;
    grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
    QCOMPARE(row, 0);
    QCOMPARE(column, 0);
    QCOMPARE(rowSpan, 1);
    QCOMPARE(columnSpan, 2);

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* tabs = window.findChild<QWidget*>(QStringLiteral("m_pTabFrame"));
    QVERIFY2(bar->mapTo(&window, QPoint(0, bar->height())).y() <=
                 tabs->mapTo(&window, QPoint(0, 0)).y(),
             "the title bar sits above the tab strip");
}

void TestCCorvaneDialogs::aboutOpensModallyAndChangesNothing()
{
    CCorvane window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* ipcTab = window.findChild<QPushButton*>(QStringLiteral("m_pBtnCalIPCNum"));
    QTest::mouseClick(ipcTab, Qt::LeftButton);
    const int page = window.StackedWidget()->currentIndex();
    QMap<QString, QString> styles;
    const QList<QPushButton*> tabButtons =
        window.findChild<QWidget*>(QStringLiteral("m_pTabFrame"))->findChildren<QPushButton*>();
    for (QPushButton* b : tabButtons)
        styles[b->objectName()] = b->styleSheet();

    bool sawAbout = false;
    bool withoutParent = false;
    WhenModal(&window, [&](QWidget* modal) {
        sawAbout = qobject_cast<CDlgAbout*>(modal) != nullptr;
        withoutParent = modal->parentWidget() == nullptr;
        if (auto* ok = modal->findChild<QPushButton*>(QStringLiteral("m_pOkBtn")))
            QTest::mouseClick(ok, Qt::LeftButton);
        if (modal->isVisible())
            static_cast<QDialog*>(modal)->done(0);
    });
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("m_pBtnAbout")),
                      Qt::LeftButton);
    QVERIFY(sawAbout);
    QVERIFY(withoutParent);
    QCOMPARE(window.StackedWidget()->currentIndex(), page);
    for (QPushButton* b : tabButtons)
        QCOMPARE(b->styleSheet(), styles.value(b->objectName()));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget* w : QApplication::topLevelWidgets())
        QVERIFY2(!qobject_cast<CDlgAbout*>(w), "the About dialog is gone once it is closed");
}

void TestCCorvaneDialogs::declinedCloseKeepsEverything_data()
{
    QTest::addColumn<bool>("fromTitleBar");
    QTest::addColumn<QString>("answer");
    QTest::newRow("close request, Cancel") << false << "pCancelBtn";
    QTest::newRow("close request, dialog's close button") << false << "m_pCloseBtn";
    QTest::newRow("close request, Escape") << false << "Escape";
    QTest::newRow("title bar's close button, Cancel") << true << "pCancelBtn";
}

void TestCCorvaneDialogs::declinedCloseKeepsEverything()
{
    QFETCH(bool, fromTitleBar);
    QFETCH(QString, answer);

    CCorvane window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    Confirmation confirmation;
    AnswerConfirmation(&window, answer, &confirmation);
    if (fromTitleBar)
        QTest::mouseClick(
            window.WindowTitle()->findChild<QPushButton*>(QStringLiteral("m_pCloseBtn")),
            Qt::LeftButton);
    else
        QVERIFY(!window.close());

    QVERIFY(confirmation.seen);
    QVERIFY(confirmation.closedByAnswer);
    QCOMPARE(confirmation.title, QStringLiteral("Confirm"));
    QCOMPARE(confirmation.text, QStringLiteral("Sure to close software"));
    QVERIFY(window.isVisible());
    QVERIFY(window.NVRPage());
    QVERIFY(window.IPCPage());
    QVERIFY(window.WindowTitle());
}

void TestCCorvaneDialogs::confirmedCloseTearsDown()
{
    CCorvane window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    Confirmation confirmation;
    AnswerConfirmation(&window, QStringLiteral("pOkBtn"), &confirmation);
    QVERIFY(window.close());
    QVERIFY(confirmation.seen);
    QVERIFY(!window.isVisible());
    QVERIFY(!window.NVRPage());
    QVERIFY(!window.IPCPage());
    QVERIFY(!window.WindowTitle());
}

void TestCCorvaneDialogs::unsavedChangesAnswers_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("answer");
    QTest::newRow("Escape cancels") << "Escape" << int(CSaveChangesDlg::Cancel);
    QTest::newRow("close button cancels") << "m_pCloseBtn" << int(CSaveChangesDlg::Cancel);
    QTest::newRow("Don't Save discards") << "pDiscardBtn" << int(CSaveChangesDlg::Discard);
    QTest::newRow("Return saves") << "Return" << int(CSaveChangesDlg::Save);
}

void TestCCorvaneDialogs::unsavedChangesAnswers()
{
    QFETCH(QString, action);
    QFETCH(int, answer);

    QWidget parent;
    bool closedByAction = false;
    WhenModal(&parent, [&](QWidget* modal) {
        if (auto* button = modal->findChild<QPushButton*>(action))
            QTest::mouseClick(button, Qt::LeftButton);
        else
            QTest::keyClick(modal->focusWidget() ? modal->focusWidget() : modal, KeyNamed(action));
        closedByAction = !modal->isVisible();
        if (modal->isVisible())
            static_cast<QDialog*>(modal)->done(42);
    });
    QCOMPARE(int(CSaveChangesDlg::Ask(QStringLiteral("Confirm"),
                                      QStringLiteral("The plan has unsaved changes."), &parent)),
             answer);
    QVERIFY(closedByAction);
}

QTEST_MAIN(TestCCorvaneDialogs)
#include "tst_ccorvane_dialogs.moc"
