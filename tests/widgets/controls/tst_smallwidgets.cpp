// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/controls/ccheckbox.h"
#include "widgets/controls/cdelaybutton.h"
#include "widgets/controls/cregexpvalidator.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class TestSmallWidgets : public QObject
{
    Q_OBJECT

private slots:
    void checkBoxSlots_data();
    void checkBoxSlots();
    void checkBoxSlotsTakeBoolSignals();

    void validator_data();
    void validator();
    void validatorLimitsTypedText_data();
    void validatorLimitsTypedText();

    void delayButtonReportsOnceAfterTheLastRelease();
    void delayButtonWaitsWhileChecked();
    void delayButtonSurvivesDeletionFromClicked();
};

void TestSmallWidgets::checkBoxSlots_data()
{
    QTest::addColumn<bool>("initial");
    QTest::addColumn<bool>("inverted");
    QTest::addColumn<bool>("argument");
    QTest::addColumn<bool>("checked");

    QTest::newRow("SetChecked(true) checks") << false << false << true << true;
    QTest::newRow("SetChecked(false) unchecks") << true << false << false << false;
    QTest::newRow("SetUnChecked(true) unchecks") << true << true << true << false;
    QTest::newRow("SetUnChecked(false) checks") << false << true << false << true;
    QTest::newRow("SetUnChecked(true) on an unchecked box keeps it so")
        << false << true << true << false;
}

void TestSmallWidgets::checkBoxSlots()
{
    QFETCH(bool, initial);
    QFETCH(bool, inverted);
    QFETCH(bool, argument);
    QFETCH(bool, checked);
    CCheckBox box(QStringLiteral("Spare"));
    box.setChecked(initial);
    if (inverted)
        box.SetUnChecked(argument);
    else
        box.SetChecked(argument);
    QCOMPARE(box.isChecked(), checked);
}

void TestSmallWidgets::checkBoxSlotsTakeBoolSignals()
{
    // The slots exist to follow another check box, straight and mirrored.
    CCheckBox leader, follower, mirror;
    connect(&leader, &QCheckBox::toggled, &follower, &CCheckBox::SetChecked);
    connect(&leader, &QCheckBox::toggled, &mirror, &CCheckBox::SetUnChecked);
    leader.setChecked(true);
    QVERIFY(follower.isChecked());
    QVERIFY(!mirror.isChecked());
    leader.setChecked(false);
    QVERIFY(!follower.isChecked());
    QVERIFY(mirror.isChecked());
}

void TestSmallWidgets::validator_data()
{
    QTest::addColumn<int>("maxBytes");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("state");

    const int ok = QValidator::Acceptable;
    const int bad = QValidator::Invalid;
    const int partial = QValidator::Intermediate;
    QTest::newRow("ASCII within the limit") << 8 << ".*"
                                            << "Lobby" << ok;
    QTest::newRow("ASCII exactly at the limit") << 5 << ".*"
                                                << "Lobby" << ok;
    QTest::newRow("ASCII one byte over") << 4 << ".*"
                                         << "Lobby" << bad;
    QTest::newRow("three characters, nine bytes, over a limit of four")
        << 4 << ".*" << QStringLiteral("\u5927\u95e8\u53e3") << bad;
    QTest::newRow("one three-byte character within four")
        << 4 << ".*" << QStringLiteral("\u95e8") << ok;
    QTest::newRow("within the limit but not matching") << 10 << "[0-9]+"
                                                       << "12a" << bad;
    QTest::newRow("within the limit, a prefix of a match") << 10 << "[0-9]{3}"
                                                           << "12" << partial;
    QTest::newRow("no pattern, too many bytes") << 6 << QString() << "any text" << bad;
    QTest::newRow("no pattern accepts any short text") << 6 << QString() << "t[x]?" << ok;
    QTest::newRow("the count editor's pattern") << 7 << "[1-9]\\d{0,5}|(1000000)|(0)"
                                                << "1000000" << ok;
}

void TestSmallWidgets::validator()
{
    QFETCH(int, maxBytes);
    QFETCH(QString, pattern);
    QFETCH(QString, text);
    QFETCH(int, state);
    CRegExpValidator v = pattern.isNull() ? CRegExpValidator(maxBytes)
                                          : CRegExpValidator(maxBytes, QRegularExpression(pattern));
    int pos = 0;
    QCOMPARE(int(v.validate(text, pos)), state);
}

void TestSmallWidgets::validatorLimitsTypedText_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");

    QTest::newRow("typing stops at four ASCII bytes") << "Garage"
                                                      << "Gara";
    QTest::newRow("a second three-byte character does not fit")
        << QStringLiteral("\u5927\u95e8") << QStringLiteral("\u5927");
}

void TestSmallWidgets::validatorLimitsTypedText()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QLineEdit edit;
    CRegExpValidator validator(4, QRegularExpression(QStringLiteral(".*")));
    edit.setValidator(&validator);
    // Typed one character at a time, as an input method delivers them.
    for (const QChar c : typed) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&edit, &press);
    }
    QCOMPARE(edit.text(), kept);
}

void TestSmallWidgets::delayButtonReportsOnceAfterTheLastRelease()
{
    CDelayButton button(QStringLiteral("Hold"));
    button.resize(80, 24);
    QSignalSpy delayed(&button, &CDelayButton::SignalDelayRelease);
    QSignalSpy clicked(&button, &QPushButton::clicked);

    QElapsedTimer sinceSecondRelease;
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(delayed.count(), 0);
    QTimer::singleShot(1000, &button, [&] {
        QTest::mouseClick(&button, Qt::LeftButton);
        sinceSecondRelease.start();
    });

    QVERIFY(delayed.wait(6000));
    QCOMPARE(clicked.count(), 2);
    QVERIFY(sinceSecondRelease.isValid());
    // Had the first release's delay not been restarted, the report would come about one
    // second after the second release.
    QVERIFY2(sinceSecondRelease.elapsed() >= 1800,
             qPrintable(QString::number(sinceSecondRelease.elapsed())));
    QVERIFY(!delayed.wait(2600));
    QCOMPARE(delayed.count(), 1);
}

void TestSmallWidgets::delayButtonWaitsWhileChecked()
{
    CDelayButton button(QStringLiteral("Latch"));
    button.setCheckable(true);
    button.resize(80, 24);
    QSignalSpy delayed(&button, &CDelayButton::SignalDelayRelease);

    QTest::mouseClick(&button, Qt::LeftButton);
    QVERIFY(button.isChecked());
    QVERIFY(!delayed.wait(2600));

    button.setChecked(false);
    QVERIFY(delayed.wait(4000));
    QCOMPARE(delayed.count(), 1);
}

void TestSmallWidgets::delayButtonSurvivesDeletionFromClicked()
{
    QWidget window;
    auto* button = new CDelayButton(QStringLiteral("Gone"), &window);
    button->resize(80, 24);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QPointer<CDelayButton> guard(button);
    connect(button, &QPushButton::clicked, button, [button] { delete button; });
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(guard.isNull());
}

QTEST_MAIN(TestSmallWidgets)
#include "tst_smallwidgets.moc"
