// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/builddate.h"
#include "ui/cdlgabout.h"

#include "tests/support/modal.h"

#include <QDate>
#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <corvaneversion.h>

class TestCDlgAbout : public QObject
{
    Q_OBJECT

private slots:
    void buildDateToNumber_data();
    void buildDateToNumber();
    void buildNumberIsTheCompilerDate();
    void versionText();
    void compactFixedFrame();
    void closing_data();
    void closing();
};

void TestCDlgAbout::buildDateToNumber_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<uint>("number");

    QTest::newRow("two-digit day") << "Jun 19 2012" << 20120619u;
    QTest::newRow("day padded with a space") << "Jan  5 2013" << 20130105u;
    QTest::newRow("last day of the year") << "Dec 31 1999" << 19991231u;
    const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (int m = 0; m < 12; ++m)
        QTest::newRow(qPrintable(QStringLiteral("month %1").arg(months[m])))
            << QStringLiteral("%1 10 2020").arg(QLatin1String(months[m]))
            << uint(20200010 + (m + 1) * 100);
    QTest::newRow("unknown month text") << "Foo 19 2012" << 0u;
    QTest::newRow("month in lower case is unknown") << "jun 19 2012" << 0u;
    QTest::newRow("day that is not a number") << "Jun xx 2012" << 0u;
    QTest::newRow("year that is not a number") << "Jun 19 20x2" << 0u;
    QTest::newRow("empty text") << "" << 0u;
}

void TestCDlgAbout::buildDateToNumber()
{
    QFETCH(QString, date);
    QFETCH(uint, number);
    QCOMPARE(BuildDateToNumber(date), number);
}

void TestCDlgAbout::buildNumberIsTheCompilerDate()
{
    // Read independently: this file's compiler date through the toolkit's date parser.
    const QString compiled = QString::fromLatin1(__DATE__).simplified();
    const QDate date = QLocale::c().toDate(compiled, QStringLiteral("MMM d yyyy"));
    QVERIFY(date.isValid());
    QCOMPARE(BuildDateToNumber(QString::fromLatin1(__DATE__)),
             date.toString(QStringLiteral("yyyyMMdd")).toUInt());

    const QDate built =
        QDate::fromString(QString::number(BuildDateToNumber()), QStringLiteral("yyyyMMdd"));
    QVERIFY2(built.isValid() && built <= QDate::currentDate(), "the program's own build date");
}

void TestCDlgAbout::versionText()
{
    CDlgAbout dlg;
    auto* version = dlg.findChild<QLabel*>(QStringLiteral("pLabelAbout"));
    QVERIFY(version);
    QCOMPARE(version->text(),
             QStringLiteral(" v" CORVANE_VERSION " Build") + QString::number(BuildDateToNumber()));
    QCOMPARE(dlg.findChild<QLabel*>(QStringLiteral("label_6"))->text(), QStringLiteral("Corvane"));
    QCOMPARE(dlg.GetTitleText(), QStringLiteral("About"));
}

void TestCDlgAbout::compactFixedFrame()
{
    CDlgAbout dlg;
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QCOMPARE(dlg.size(), QSize(520, 200));
    QCOMPARE(dlg.minimumSize(), dlg.maximumSize());
    QVERIFY(dlg.styleSheet().contains(QStringLiteral("dialog_bg2.png")));
    QVERIFY(dlg.findChild<QWidget*>(QStringLiteral("m_pCloseBtn"))->isVisible());
    QVERIFY(!dlg.findChild<QWidget*>(QStringLiteral("m_pBottomFrame"))->isVisible());
    QVERIFY(!dlg.findChild<QWidget*>(QStringLiteral("pOkBtn"))->isVisible());
    QVERIFY(dlg.findChild<QWidget*>(QStringLiteral("m_pOkBtn"))->isVisible());

    // Name and version sit inside the dialog, one above the other.
    auto* name = dlg.findChild<QLabel*>(QStringLiteral("label_6"));
    auto* version = dlg.findChild<QLabel*>(QStringLiteral("pLabelAbout"));
    const QRect nameRect(name->mapTo(&dlg, QPoint(0, 0)), name->size());
    const QRect versionRect(version->mapTo(&dlg, QPoint(0, 0)), version->size());
    QVERIFY(dlg.rect().contains(nameRect));
    QVERIFY(dlg.rect().contains(versionRect));
    QVERIFY(nameRect.bottom() < versionRect.top());
    QVERIFY2(version->width() >= version->sizeHint().width(), "the version text is not cut");
}

void TestCDlgAbout::closing_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("result");

    QTest::newRow("OK accepts") << "m_pOkBtn" << int(QDialog::Accepted);
    QTest::newRow("close button rejects") << "m_pCloseBtn" << int(QDialog::Rejected);
    QTest::newRow("Return accepts") << "Return" << int(QDialog::Accepted);
    QTest::newRow("Escape rejects") << "Escape" << int(QDialog::Rejected);
}

void TestCDlgAbout::closing()
{
    QFETCH(QString, action);
    QFETCH(int, result);

    CDlgAbout dlg;
    WhenModal(&dlg, [&](QWidget* modal) {
        if (auto* button = modal->findChild<QPushButton*>(action))
            QTest::mouseClick(button, Qt::LeftButton);
        else
            QTest::keyClick(modal->focusWidget() ? modal->focusWidget() : modal, KeyNamed(action));
        if (modal->isVisible())
            static_cast<QDialog*>(modal)->done(42);
    });
    QCOMPARE(dlg.exec(), result);
}

QTEST_MAIN(TestCDlgAbout)
#include "tst_cdlgabout.moc"
