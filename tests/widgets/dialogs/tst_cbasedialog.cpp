// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/dialogs/cbasedialog.h"

#include "tests/support/modal.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

class TestCBaseDialog : public QObject
{
    Q_OBJECT

private slots:
    void construction_data();
    void construction();
    void compactFrameKeepsMarginsWithBottomBar();
    void dragStartsOnlyInTitleArea_data();
    void dragStartsOnlyInTitleArea();
    void keys_data();
    void keys();
    void buttons_data();
    void buttons();
    void contentWidget();
    void roundedMask();
};

static QMargins GridMargins(CBaseDialog& dlg)
{
    return dlg.findChild<QGridLayout*>(QStringLiteral("m_pgridBaseDialog"))->contentsMargins();
}

static bool Shown(CBaseDialog& dlg, const char* name)
{
    QWidget* w = dlg.findChild<QWidget*>(QLatin1String(name));
    return w && w->isVisibleTo(&dlg);
}

void TestCBaseDialog::construction_data()
{
    QTest::addColumn<bool>("full");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QMargins>("margins");
    QTest::addColumn<QString>("background");

    const QString tall = QStringLiteral("dialog_bg.png");
    const QString compact = QStringLiteral("dialog_bg2.png");
    QTest::newRow("message box: full frame, OK and Cancel")
        << true << true << true << QMargins(6, 3, 6, 5) << tall;
    QTest::newRow("wait dialog with cancel: full frame, Cancel only")
        << true << false << true << QMargins(6, 3, 6, 5) << tall;
    QTest::newRow("About and file dialog: compact, no buttons")
        << false << false << false << QMargins(6, 4, 6, 11) << compact;
}

void TestCBaseDialog::construction()
{
    QFETCH(bool, full);
    QFETCH(bool, ok);
    QFETCH(bool, cancel);
    QFETCH(QMargins, margins);
    QFETCH(QString, background);

    CBaseDialog dlg(nullptr, full, ok, cancel);
    QCOMPARE(Shown(dlg, "m_pBottomFrame"), full);
    QCOMPARE(Shown(dlg, "pOkBtn"), ok);
    QCOMPARE(Shown(dlg, "pCancelBtn"), cancel);
    QVERIFY2(!Shown(dlg, "m_pCloseBtn"), "the close button is off until someone shows it");
    QCOMPARE(GridMargins(dlg), margins);
    QVERIFY(dlg.styleSheet().contains(background));
    QVERIFY(dlg.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(dlg.windowFlags() & Qt::WindowType_Mask, Qt::Dialog);
    QCOMPARE(dlg.objectName(), QStringLiteral("CBaseDialogClass"));
}

void TestCBaseDialog::compactFrameKeepsMarginsWithBottomBar()
{
    CBaseDialog dlg(nullptr, false, false, false);
    // Rules a subclass appends survive the change of background.
    const QString extra = QStringLiteral("QListView::item:hover{color:rgb(0,0,0);}");
    dlg.setStyleSheet(dlg.styleSheet() + extra);

    dlg.ShowBottomBar(true);
    QCOMPARE(GridMargins(dlg), QMargins(6, 4, 6, 11));
    QVERIFY(Shown(dlg, "m_pBottomFrame") && Shown(dlg, "pOkBtn") && Shown(dlg, "pCancelBtn"));
    QVERIFY(dlg.styleSheet().contains(QStringLiteral("dialog_bg.png")));
    QCOMPARE(dlg.styleSheet().count(QStringLiteral("border-image")), 1);
    QVERIFY(dlg.styleSheet().contains(extra));

    dlg.ShowBottomBar(false);
    QVERIFY(!Shown(dlg, "m_pBottomFrame") && !Shown(dlg, "pOkBtn"));
    QVERIFY(dlg.styleSheet().contains(QStringLiteral("dialog_bg2.png")));
    QCOMPARE(dlg.styleSheet().count(QStringLiteral("border-image")), 1);
    QVERIFY(dlg.styleSheet().contains(extra));
}

void TestCBaseDialog::dragStartsOnlyInTitleArea_data()
{
    QTest::addColumn<int>("pressY");
    QTest::addColumn<bool>("moves");

    QTest::newRow("top edge") << 0 << true;
    QTest::newRow("32 pixels down: last row of the title area") << 32 << true;
    QTest::newRow("33 pixels down: first row below it") << 33 << false;
    QTest::newRow("content area") << 100 << false;
}

void TestCBaseDialog::dragStartsOnlyInTitleArea()
{
    QFETCH(int, pressY);
    QFETCH(bool, moves);

    CBaseDialog dlg(nullptr, true, true, true);
    dlg.resize(300, 225);
    dlg.move(100, 100);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    const QPoint start = dlg.pos();

    const QPoint press(40, pressY);
    SendMouse(&dlg, QEvent::MouseButtonPress, press, dlg.mapToGlobal(press));
    const QPoint target(500, 400);
    SendMouse(&dlg, QEvent::MouseMove, dlg.mapFromGlobal(target), target);
    SendMouse(&dlg, QEvent::MouseButtonRelease, dlg.mapFromGlobal(target), target);

    QCOMPARE(dlg.pos(), moves ? target - press : start);

    // After the release a move without a press leaves the dialog alone.
    const QPoint later = dlg.pos();
    SendMouse(&dlg, QEvent::MouseMove, QPoint(10, 10), QPoint(700, 700));
    QCOMPARE(dlg.pos(), later);
}

void TestCBaseDialog::keys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("escapeRejects");
    QTest::addColumn<int>("result"); // 42: still open

    QTest::newRow("Escape is swallowed") << int(Qt::Key_Escape) << false << 42;
    QTest::newRow("Escape rejects a frame that asks for it")
        << int(Qt::Key_Escape) << true << int(QDialog::Rejected);
    QTest::newRow("Return accepts") << int(Qt::Key_Return) << false << int(QDialog::Accepted);
    QTest::newRow("Return accepts a frame that rejects on Escape")
        << int(Qt::Key_Return) << true << int(QDialog::Accepted);
    QTest::newRow("Enter accepts") << int(Qt::Key_Enter) << false << int(QDialog::Accepted);
    QTest::newRow("Select accepts") << int(Qt::Key_Select) << false << int(QDialog::Accepted);
    QTest::newRow("a letter does nothing") << int(Qt::Key_A) << true << 42;
}

void TestCBaseDialog::keys()
{
    QFETCH(int, key);
    QFETCH(bool, escapeRejects);
    QFETCH(int, result);

    // No OK button: Return must accept all the same.
    CBaseDialog dlg(nullptr, false, false, false);
    dlg.SetEscapeRejects(escapeRejects);
    bool openAfterKey = false;
    WhenModal(&dlg, [&](QWidget* modal) {
        QWidget* target = modal->focusWidget() ? modal->focusWidget() : modal;
        QTest::keyClick(target, Qt::Key(key));
        openAfterKey = modal->isVisible();
        if (openAfterKey)
            static_cast<QDialog*>(modal)->done(42);
    });
    QCOMPARE(dlg.exec(), result);
    QCOMPARE(openAfterKey, result == 42);
}

void TestCBaseDialog::buttons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("flagsSet");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("okSignals");
    QTest::addColumn<int>("closeSignals");

    QTest::newRow("OK accepts") << "pOkBtn" << true << 1 << 0 << 0;
    QTest::newRow("Cancel rejects") << "pCancelBtn" << true << 0 << 0 << 0;
    QTest::newRow("close button rejects") << "m_pCloseBtn" << true << 0 << 0 << 0;
    QTest::newRow("OK only signals when it must not accept") << "pOkBtn" << false << 42 << 1 << 0;
    QTest::newRow("close only signals when it must not close")
        << "m_pCloseBtn" << false << 42 << 0 << 1;
    QTest::newRow("Cancel rejects whatever the flags") << "pCancelBtn" << false << 0 << 0 << 0;
}

void TestCBaseDialog::buttons()
{
    QFETCH(QString, button);
    QFETCH(bool, flagsSet);
    QFETCH(int, result);
    QFETCH(int, okSignals);
    QFETCH(int, closeSignals);

    CBaseDialog dlg(nullptr, true, true, true);
    dlg.ShowCloseBtn(true);
    dlg.SetOkAccepts(flagsSet);
    dlg.SetCloseCloses(flagsSet);
    QSignalSpy okSpy(&dlg, &CBaseDialog::ClickedOKBtnSig);
    QSignalSpy closeSpy(&dlg, &CBaseDialog::ClickedCloseBtnSig);
    WhenModal(&dlg, [&](QWidget* modal) {
        QTest::mouseClick(modal->findChild<QPushButton*>(button), Qt::LeftButton);
        if (modal->isVisible())
            static_cast<QDialog*>(modal)->done(42);
    });
    QCOMPARE(dlg.exec(), result);
    QCOMPARE(okSpy.count(), okSignals);
    QCOMPARE(closeSpy.count(), closeSignals);
}

void TestCBaseDialog::contentWidget()
{
    CBaseDialog dlg(nullptr, false, false, false);
    QVERIFY(!dlg.SetContentWidget(nullptr));
    QVERIFY2(!dlg.GetContentFrame()->layout(), "a refused widget creates no layout");

    auto* first = new QLabel(QStringLiteral("first"));
    auto* second = new QLabel(QStringLiteral("second"));
    QVERIFY(dlg.SetContentWidget(first));
    QVERIFY(dlg.SetContentWidget(second));
    QLayout* layout = dlg.GetContentFrame()->layout();
    QVERIFY(layout);
    QCOMPARE(layout->contentsMargins(), QMargins(0, 0, 0, 0));
    QCOMPARE(layout->count(), 2);
    QCOMPARE(first->parentWidget(), dlg.GetContentFrame());
    QCOMPARE(second->parentWidget(), dlg.GetContentFrame());
}

void TestCBaseDialog::roundedMask()
{
    CBaseDialog dlg(nullptr, true, true, true);
    dlg.resize(300, 225);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    dlg.resize(400, 300);
    QTRY_COMPARE(dlg.mask().boundingRect(), QRect(0, 0, 400, 300));
    for (const QPoint& corner : {QPoint(0, 0), QPoint(399, 0), QPoint(0, 299), QPoint(399, 299)})
        QVERIFY2(!dlg.mask().contains(corner), "corners are cut");
    QVERIFY(dlg.mask().contains(QPoint(2, 2)));
}

QTEST_MAIN(TestCBaseDialog)
#include "tst_cbasedialog.moc"
