// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/clientlanguagemanager.h"
#include "app/ctesselapplication.h"
#include "widgets/calendar/ccalendarlabel.h"
#include "widgets/calendar/ccalendarwidget.h"
#include "widgets/calendar/cuilocale.h"

#include <QtTest>

// Start-up hands the chosen language's locale down to the date widgets of the widget
// library, which cannot see the language list themselves.

static QString TestKey()
{
    return QStringLiteral("CorvaneLocaleTest-%1").arg(QCoreApplication::applicationPid());
}

class TestUiLocaleHook : public QObject
{
    Q_OBJECT

private slots:
    void dateWidgetsGetTheLanguagesLocale();
};

void TestUiLocaleHook::dateWidgetsGetTheLanguagesLocale()
{
    const QLocale expected =
        ClientLanguageManager::GetInstance()->GetCurrentLanguage()->GetLocale();
    const std::optional<QLocale> current = CUiLocale::Current();
    QVERIFY(current.has_value());
    QCOMPARE(*current, expected);

    // The process default is something else, so a widget can only have it from the hook.
    QVERIFY(QLocale() != expected);
    CCalendarWidget calendar;
    QCOMPARE(calendar.locale(), expected);
    CCalendarLabel label;
    QCOMPARE(label.locale(), expected);
}

int main(int argc, char** argv)
{
    QDir(QFileInfo(QString::fromLocal8Bit(argv[0])).absolutePath())
        .mkpath(QStringLiteral("plugins"));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    CTesselApplication app(argc, argv, TestKey());
    TestUiLocaleHook test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_uilocalehook.moc"
