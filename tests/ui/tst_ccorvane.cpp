// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ctesselstyle.h"
#include "engine/nvrcatalogue.h"
#include "pages/cdlgcalipcnum.h"
#include "pages/cdlgcalnvrnum.h"
#include "ui/ccorvane.h"
#include "ui/cplancontroller.h"
#include "widgets/controls/cpushbutton.h"

#include "tests/support/modal.h"

#include <QDialog>
#include <QFile>
#include <QLayout>
#include <QPushButton>
#include <QStackedWidget>
#include <QtTest>

namespace {

// The program's style object, style sheet and font for the lifetime of the object.
class ProgramLook
{
public:
    ProgramLook() : m_font(QApplication::font()), m_sheet(qApp->styleSheet())
    {
        QFont font(QStringLiteral("Arial"), 9);
        font.setStyleHint(QFont::SansSerif, QFont::PreferAntialias);
        QApplication::setFont(font);
        QApplication::setStyle(new CTesselStyle);
        QFile file(QStringLiteral(":/qss/Corvane.qss"));
        if (file.open(QIODevice::ReadOnly))
            qApp->setStyleSheet(QString::fromLatin1(file.readAll()));
    }
    ~ProgramLook()
    {
        qApp->setStyleSheet(m_sheet);
        QApplication::setStyle(QStringLiteral("Fusion"));
        QApplication::setFont(m_font);
    }

private:
    QFont m_font;
    QString m_sheet;
};

} // namespace

class TestCCorvane : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startsOnNVRPage();
    void windowIsResizableAndFrameless();
    void initialGeometry_data();
    void initialGeometry();
    void resizeKeepsPanelsAndGrowsTable_data();
    void resizeKeepsPanelsAndGrowsTable();
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
    // "IPC Calculate" is built when first asked for, as the second page of the stack.
    QCOMPARE(m_window->StackedWidget()->count(), 1);
    CDlgCalIPCNum* ipc = m_window->IPCPage();
    QVERIFY(ipc);
    QCOMPARE(m_window->StackedWidget()->widget(1), ipc);
    QCOMPARE(m_window->IPCPage(), ipc);
    QCOMPARE(m_window->StackedWidget()->currentIndex(), 0);
    QCOMPARE(Button("m_pBtnCalNVRNum")->styleSheet(), QLatin1String(CCorvane::SelectedTabStyle));
    QCOMPARE(Button("m_pBtnCalIPCNum")->styleSheet(), QLatin1String(CCorvane::UnselectedTabStyle));
    QCOMPARE(Button("m_pBtnAbout")->styleSheet(), QLatin1String(CCorvane::UnselectedTabStyle));
    QCOMPARE(Button("m_pBtnCalNVRNum")->text(), QStringLiteral("NVR Calculate"));
    QCOMPARE(Button("m_pBtnCalIPCNum")->text(), QStringLiteral("IPC Calculate"));
    QCOMPARE(Button("m_pBtnAbout")->text(), QStringLiteral("About"));
}

void TestCCorvane::windowIsResizableAndFrameless()
{
    // Opens at 1024 x 768 in the middle of the 1280 x 1024 test screen, and can grow and
    // shrink down to its least size.
    QCOMPARE(m_window->geometry(), QRect(128, 128, 1024, 768));
    QCOMPARE(m_window->minimumSize(), CCorvane::LeastSize());
    QCOMPARE(m_window->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    QVERIFY(m_window->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(m_window->objectName(), QStringLiteral("CCorvaneClass"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Corvane Tool"));
    QVERIFY(m_window->styleSheet().contains(QLatin1String("dialog_bg2.png")));
    // The pages are embedded as plain children of the stack, not as dialogs of their own.
    QVERIFY(!m_window->NVRPage()->isWindow());
    QVERIFY(!m_window->IPCPage()->isWindow());
}

void TestCCorvane::initialGeometry_data()
{
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QRect>("geometry");

    const QSize least = CCorvane::LeastSize();
    QTest::newRow("room to spare: 1024 x 768 centred")
        << QRect(0, 0, 1920, 1080) << QRect(448, 156, 1024, 768);
    QTest::newRow("1366 x 768 less a 40-pixel panel at the bottom: as high as the rest")
        << QRect(0, 0, 1366, 728) << QRect(171, 0, 1024, 728);
    QTest::newRow("panel at the top: the window starts below it")
        << QRect(0, 40, 1366, 728) << QRect(171, 40, 1024, 728);
    QTest::newRow("1280 x 720 logical") << QRect(0, 0, 1280, 720) << QRect(128, 0, 1024, 720);
    QTest::newRow("second screen to the right")
        << QRect(1920, 0, 1280, 1024) << QRect(2048, 128, 1024, 768);
    QTest::newRow("exactly the least size")
        << QRect(QPoint(0, 0), least) << QRect(QPoint(0, 0), least);
    QTest::newRow("smaller than the least size: the title bar stays on the screen")
        << QRect(10, 20, 640, 480) << QRect(QPoint(10, 20), least);
}

void TestCCorvane::initialGeometry()
{
    QFETCH(QRect, available);
    QFETCH(QRect, geometry);
    QCOMPARE(CCorvane::InitialGeometry(available), geometry);
}

void TestCCorvane::resizeKeepsPanelsAndGrowsTable_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QSize>("size");

    for (int page : {0, 1}) {
        const char* name = page == 0 ? "NVR page" : "IPC page";
        QTest::addRow("%s, 1024 x 768", name) << page << QSize(1024, 768);
        QTest::addRow("%s, 1280 x 720", name) << page << QSize(1280, 720);
        QTest::addRow("%s, 1920 x 1160", name) << page << QSize(1920, 1160);
    }
}

void TestCCorvane::resizeKeepsPanelsAndGrowsTable()
{
    QFETCH(int, page);
    QFETCH(QSize, size);

    // Sizes depend on the program's own style, fonts and style sheet.
    ProgramLook look;
    delete m_window;
    m_window = new CCorvane;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QWidget* pageWidget = page == 0 ? static_cast<QWidget*>(m_window->NVRPage())
                                    : static_cast<QWidget*>(m_window->IPCPage());
    m_window->StackedWidget()->setCurrentWidget(pageWidget);
    auto* table = pageWidget->findChild<QWidget*>(QStringLiteral("m_pIPCTableView"));
    // The NVR page's settings scroll below the initial size: their column is the scroll area.
    auto* settings = pageWidget->findChild<QWidget*>(QStringLiteral("m_pSettingsScroll"));
    if (!settings)
        settings = pageWidget->findChild<QWidget*>(QStringLiteral("m_pNVRFrame"));
    auto* result = pageWidget->findChild<QWidget*>(QStringLiteral("m_pResult"));
    QVERIFY(table && settings && result);
    auto* content = m_window->findChild<QWidget*>(QStringLiteral("layoutWidget"));

    m_window->resize(CCorvane::LeastSize());
    QTRY_COMPARE(m_window->size(), CCorvane::LeastSize());
    QCoreApplication::processEvents();
    // At the least size every control still gets the room its layout asks for.
    QVERIFY2(content->layout()->minimumSize().width() <= content->width() &&
                 content->layout()->minimumSize().height() <= content->height(),
             qPrintable(QStringLiteral("content needs %1 x %2, has %3 x %4")
                            .arg(content->layout()->minimumSize().width())
                            .arg(content->layout()->minimumSize().height())
                            .arg(content->width())
                            .arg(content->height())));
    // The Plan button ends the tab strip, which reaches over the panels, at every size.
    QWidget* strip = m_window->findChild<QWidget*>(QStringLiteral("m_pTabFrame"));
    QWidget* plan = m_window->PlanController()->MenuButton();
    QVERIFY(strip && plan);
    auto planEndsTheStrip = [&] {
        const QRect planRect(plan->mapTo(strip, QPoint(0, 0)), plan->size());
        const QRect stripRect(strip->mapTo(m_window, QPoint(0, 0)), strip->size());
        const QRect settingsRect(settings->mapTo(m_window, QPoint(0, 0)), settings->size());
        const bool ok =
            plan->isVisible() && strip->rect().contains(planRect) &&
            strip->width() - planRect.right() - 1 == strip->layout()->contentsMargins().right() &&
            m_window->rect().contains(stripRect) && stripRect.right() >= settingsRect.right();
        QString seen;
        QDebug(&seen) << "plan" << planRect << "in strip" << stripRect << "beside settings"
                      << settingsRect;
        return ok ? QString() : seen;
    };
    QVERIFY2(planEndsTheStrip().isEmpty(), qPrintable(planEndsTheStrip()));
    const QRect leastTable = table->geometry();
    const int settingsWidth = settings->width();
    const int resultWidth = result->width();
    QCOMPARE(settingsWidth, 350);
    QCOMPARE(resultWidth, 350);

    m_window->resize(size);
    QTRY_COMPARE(m_window->size(), size);
    QCoreApplication::processEvents();
    const QSize grown = size - CCorvane::LeastSize();
    QCOMPARE(settings->width(), settingsWidth);
    QCOMPARE(result->width(), resultWidth);
    QCOMPARE(table->width(), leastTable.width() + grown.width());
    QCOMPARE(table->height(), leastTable.height() + grown.height());
    // Nothing is pushed past the window's edge.
    const QRect inside = m_window->rect();
    for (QWidget* w : {table, settings, result})
        QVERIFY(inside.contains(QRect(w->mapTo(m_window, QPoint(0, 0)), w->size())));
    QVERIFY2(planEndsTheStrip().isEmpty(), qPrintable(planEndsTheStrip()));
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
