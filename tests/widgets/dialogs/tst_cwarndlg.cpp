// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/dialogs/cwarndlg.h"

#include "tests/support/modal.h"

#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextDocument>
#include <QtTest>

class TestCWarnDlg : public QObject
{
    Q_OBJECT

private slots:
    void sizeFollowsMeasuredText_data();
    void sizeFollowsMeasuredText();
    void markupOnlyTextGetsNoNegativeWidth();
    void shortTextIsCentred();
    void longTextGrowsDownwards();
    void results_data();
    void results();
    void formsShowTheirButtons_data();
    void formsShowTheirButtons();
    void withoutParentShowsNothing();
    void closeRequestDoesNotDestroy();
};

namespace {

struct Seen
{
    QSize dialog;
    int browserWidth = -1;
    int browserHeight = -1;
    QRect browser;
    QSize content;
    int documentHeight = -1;
    bool visible = false;
};

QTextBrowser* Browser(QWidget* dlg)
{
    return dlg->findChild<QTextBrowser*>(QStringLiteral("m_pBrowserTxt"));
}

Seen Look(QWidget* modal)
{
    Seen seen;
    QTextBrowser* browser = Browser(modal);
    auto* dlg = static_cast<CWarnDlg*>(modal);
    seen.dialog = modal->size();
    seen.browserWidth = browser->width();
    seen.browserHeight = browser->height();
    seen.browser = browser->geometry();
    seen.content = dlg->GetContentFrame()->size();
    seen.documentHeight = int(browser->document()->size().height());
    seen.visible = modal->isVisible();
    return seen;
}

// A text that measures exactly `advance` pixels, markup included, in the given metrics.
QString TextMeasuring(const QFontMetrics& fm, int advance, const QString& prefix,
                      const QString& suffix)
{
    for (int wide = 0; wide < 200; ++wide) {
        for (int narrow = 0; narrow < 12; ++narrow) {
            for (int dots = 0; dots < 4; ++dots) {
                const QString text = prefix + QString(wide, QLatin1Char('a')) +
                                     QString(narrow, QLatin1Char('i')) +
                                     QString(dots, QLatin1Char('.')) + suffix;
                if (fm.horizontalAdvance(text) == advance)
                    return text;
            }
        }
    }
    return QString();
}

Seen RunWarn(const QString& text)
{
    CWarnDlg dlg(nullptr);
    Seen seen;
    WhenModal(&dlg, [&](QWidget* modal) {
        seen = Look(modal);
        static_cast<QDialog*>(modal)->done(42);
    });
    dlg.ExecWarn(QStringLiteral("Corvane"), text);
    return seen;
}

} // namespace

void TestCWarnDlg::sizeFollowsMeasuredText_data()
{
    QTest::addColumn<int>("advance");
    QTest::addColumn<bool>("fontMarkup");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("browserWidth");

    // Widths by the dialog's arithmetic: w = advance + 15, bounds at w + 10 = 288 and 388.
    QTest::newRow("short text: minimum width") << 100 << false << 300 << 115;
    QTest::newRow("263 px: last of the minimum width") << 263 << false << 300 << 278;
    QTest::newRow("264 px: first to widen") << 264 << false << 301 << 279;
    QTest::newRow("300 px: 337 wide") << 300 << false << 337 << 315;
    QTest::newRow("362 px: last below the maximum") << 362 << false << 399 << 377;
    QTest::newRow("363 px: maximum width, wraps at 378") << 363 << false << 400 << 378;
    QTest::newRow("500 px: maximum width") << 500 << false << 400 << 378;
    QTest::newRow("font markup, short: 130 narrower") << 200 << true << 300 << 85;
    QTest::newRow("font markup, 300 px: 130 narrower") << 300 << true << 337 << 185;
    QTest::newRow("font markup, long: 248 wide") << 420 << true << 400 << 248;
}

void TestCWarnDlg::sizeFollowsMeasuredText()
{
    QFETCH(int, advance);
    QFETCH(bool, fontMarkup);
    QFETCH(int, width);
    QFETCH(int, browserWidth);

    CWarnDlg probe(nullptr);
    const QFontMetrics fm(Browser(&probe)->font());
    const QString text = fontMarkup
                             ? TextMeasuring(fm, advance, QStringLiteral("<font color=red>"),
                                             QStringLiteral("</font>"))
                             : TextMeasuring(fm, advance, QStringLiteral("Total "), QString());
    if (text.isEmpty())
        QSKIP("no text of exactly this width in the test platform's font");

    const Seen seen = RunWarn(text);
    QCOMPARE(seen.dialog.width(), width);
    QCOMPARE(seen.browserWidth, browserWidth);
    QVERIFY2(seen.dialog.height() == CWarnDlg::FixedHeight,
             "one or two lines fit the standard height");
}

void TestCWarnDlg::markupOnlyTextGetsNoNegativeWidth()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral("Negative sizes")));
    const Seen seen = RunWarn(QStringLiteral("</font>"));
    QCOMPARE(seen.dialog, QSize(300, 225));
    QCOMPARE(seen.browserWidth, 0);
}

void TestCWarnDlg::shortTextIsCentred()
{
    const Seen seen = RunWarn(QStringLiteral("Corvane"));
    QCOMPARE(seen.dialog, QSize(300, 225));
    QVERIFY(qAbs(seen.browser.center().x() - seen.content.width() / 2) <= 1);
    QVERIFY(qAbs(seen.browser.center().y() - seen.content.height() / 2) <= 1);
    QCOMPARE(seen.browserHeight, seen.documentHeight + 10);
}

void TestCWarnDlg::longTextGrowsDownwards()
{
    QString text;
    for (int i = 0; i < 30; ++i)
        text += QStringLiteral("The total bandwidth exceeds what the recorder takes. ");
    const Seen seen = RunWarn(text);

    QCOMPARE(seen.dialog.width(), 400);
    QVERIFY2(seen.dialog.height() > CWarnDlg::FixedHeight, "many lines make the dialog taller");
    QCOMPARE(seen.browserWidth, 378);
    QCOMPARE(seen.browserHeight, seen.documentHeight + 10);
    QVERIFY2(seen.documentHeight > 10 * QFontMetrics(QApplication::font()).height(),
             "the text wraps into many lines");
    QVERIFY2(seen.browser.top() >= 0 && seen.browser.bottom() < seen.content.height(),
             "every line is inside the content frame");
    QVERIFY2(seen.content.height() == seen.browserHeight + 30,
             "the dialog grows by what the text needs and 30 pixels more, no further");
    QVERIFY(qAbs(seen.browser.center().x() - seen.content.width() / 2) <= 1);
}

void TestCWarnDlg::results_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("result");

    QTest::newRow("warning: close button rejects") << false << "m_pCloseBtn" << 0;
    QTest::newRow("warning: Return accepts without an OK button") << false << "Return" << 1;
    QTest::newRow("warning: Enter accepts") << false << "Enter" << 1;
    QTest::newRow("warning: Escape rejects") << false << "Escape" << 0;
    QTest::newRow("warning: a close request rejects") << false << "close" << 0;
    QTest::newRow("confirmation: OK accepts") << true << "pOkBtn" << 1;
    QTest::newRow("confirmation: Cancel rejects") << true << "pCancelBtn" << 0;
    QTest::newRow("confirmation: close button rejects") << true << "m_pCloseBtn" << 0;
    QTest::newRow("confirmation: Return accepts") << true << "Return" << 1;
    QTest::newRow("confirmation: Escape rejects") << true << "Escape" << 0;
}

void TestCWarnDlg::results()
{
    QFETCH(bool, confirm);
    QFETCH(QString, action);
    QFETCH(int, result);

    QWidget parent;
    WhenModal(&parent, [&](QWidget* modal) {
        if (auto* button = modal->findChild<QPushButton*>(action)) {
            QTest::mouseClick(button, Qt::LeftButton);
        } else if (action == QLatin1String("close")) {
            modal->close();
        } else {
            QTest::keyClick(modal->focusWidget() ? modal->focusWidget() : modal, KeyNamed(action));
        }
        if (modal->isVisible())
            static_cast<QDialog*>(modal)->done(42);
    });
    const int got = confirm
                        ? CWarnDlg::ShowConfirm(QStringLiteral("Confirm"),
                                                QStringLiteral("Sure to close software"), &parent)
                        : CWarnDlg::ShowWarn(QStringLiteral("Error"),
                                             QStringLiteral("Too many cameras."), &parent);
    QCOMPARE(got, result);
}

void TestCWarnDlg::formsShowTheirButtons_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::newRow("warning: close button only") << false;
    QTest::newRow("confirmation: close button, OK and Cancel") << true;
}

void TestCWarnDlg::formsShowTheirButtons()
{
    QFETCH(bool, confirm);

    CWarnDlg dlg(nullptr);
    QMap<QString, bool> shown;
    QString title;
    QString text;
    WhenModal(&dlg, [&](QWidget* modal) {
        for (const char* name : {"m_pCloseBtn", "pOkBtn", "pCancelBtn", "m_pBottomFrame"})
            shown[QLatin1String(name)] =
                modal->findChild<QWidget*>(QLatin1String(name))->isVisible();
        title = static_cast<CWarnDlg*>(modal)->GetTitleText();
        text = Browser(modal)->toPlainText();
        static_cast<QDialog*>(modal)->done(0);
    });
    if (confirm)
        dlg.ExecConfirm(QStringLiteral("Confirm"), QStringLiteral("<b>Sure</b> to close"));
    else
        dlg.ExecWarn(QStringLiteral("Corvane"), QStringLiteral("<b>Sure</b> to close"));

    QVERIFY(shown.value(QStringLiteral("m_pCloseBtn")));
    QCOMPARE(shown.value(QStringLiteral("pOkBtn")), confirm);
    QCOMPARE(shown.value(QStringLiteral("pCancelBtn")), confirm);
    QCOMPARE(shown.value(QStringLiteral("m_pBottomFrame")), confirm);
    QCOMPARE(title, confirm ? QStringLiteral("Confirm") : QStringLiteral("Corvane"));
    QCOMPARE(text, QStringLiteral("Sure to close"));
    QVERIFY2(dlg.styleSheet().contains(confirm ? QStringLiteral("dialog_bg.png")
                                               : QStringLiteral("dialog_bg2.png")),
             "the warning has the compact background, the confirmation the full one");
}

void TestCWarnDlg::withoutParentShowsNothing()
{
    bool sawDialog = false;
    QObject context;
    WhenModal(&context, [&](QWidget* modal) {
        sawDialog = true;
        static_cast<QDialog*>(modal)->done(0);
    });
    QCOMPARE(CWarnDlg::ShowWarn(QStringLiteral("Error"), QStringLiteral("text"), nullptr), -1);
    QCOMPARE(CWarnDlg::ShowConfirm(QStringLiteral("Confirm"), QStringLiteral("text"), nullptr), -1);
    QCoreApplication::processEvents();
    QVERIFY(!sawDialog);
    for (QWidget* w : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<CWarnDlg*>(w));
}

void TestCWarnDlg::closeRequestDoesNotDestroy()
{
    // A shown dialog that would be deleted on an accepted close stays in one piece.
    QPointer<CWarnDlg> shown = new CWarnDlg(nullptr);
    shown->setAttribute(Qt::WA_DeleteOnClose);
    shown->show();
    QVERIFY(!shown->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(shown);
    QVERIFY(shown->isHidden());
    delete shown;

    // A close request ends the modal run as rejected, and the dialog can run again.
    CWarnDlg dlg(nullptr);
    WhenModal(&dlg, [](QWidget* modal) { modal->close(); });
    QCOMPARE(dlg.ExecWarn(QStringLiteral("Corvane"), QStringLiteral("first")), 0);
    QVERIFY(dlg.isHidden());
    WhenModal(&dlg, [](QWidget* modal) {
        QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("pOkBtn")), Qt::LeftButton);
    });
    QCOMPARE(dlg.ExecConfirm(QStringLiteral("Confirm"), QStringLiteral("second")), 1);
}

QTEST_MAIN(TestCWarnDlg)
#include "tst_cwarndlg.moc"
