// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/bitrate.h"
#include "engine/nvrcatalogue.h"
#include "engine/validation.h"
#include "pages/cdlgcalipcnum.h"
#include "ui/ccorvane.h"
#include "widgets/controls/ccombobox.h"
#include "widgets/dialogs/cwarndlg.h"
#include "widgets/itemviews/ctableview.h"
#include "widgets/itemviews/hierarchicalheaderview.h"
#include "widgets/itemviews/proxymodelwithheadermodels.h"

#include "tests/support/modal.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTextBrowser>
#include <QToolButton>
#include <QToolTip>
#include <QtTest>
#include <memory>

namespace {

const QString Prompt = QStringLiteral("+click this add one record");
const QString Red = QStringLiteral("<font color=red>%1</font>");
const QString BitRateMessage =
    Red.arg(QStringLiteral("The Bit rate is not valid.<br/>range 0 or 32k-16384k."));
const QString TooMany = QStringLiteral("The sum of NVR number can not be bigger than 1000000");

// What the message box showed, read before it is closed.
struct WarnSeen
{
    int count = 0;
    QString title;
    QString text;
};

// Closes every message box that comes up with its close button, as a user would, and keeps
// what the last one said.
void CloseWarnings(QObject* context, std::shared_ptr<WarnSeen> seen)
{
    WhenModal(context, [context, seen](QWidget* modal) {
        auto* warn = qobject_cast<CWarnDlg*>(modal);
        ++seen->count;
        if (warn) {
            seen->title = warn->GetTitleText();
            if (auto* browser = warn->findChild<QTextBrowser*>(QStringLiteral("m_pBrowserTxt")))
                seen->text = browser->toPlainText();
        }
        if (auto* close = modal->findChild<QPushButton*>(QStringLiteral("m_pCloseBtn"));
            close && close->isVisible())
            QTest::mouseClick(close, Qt::LeftButton);
        else
            static_cast<QDialog*>(modal)->reject();
        CloseWarnings(context, seen);
    });
}

} // namespace

class TestCDlgCalIPCNum : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void newPage();
    void firstRecord();
    void newRecordTakesLowestFreeEntry_data();
    void newRecordTakesLowestFreeEntry();
    void duplicateTypeAndRepair();
    void duplicateLeftBetweenOtherRowsStillBlocks();
    void duplicateRowGetsChannelsOfItsType();
    void bitRates_data();
    void bitRates();
    void bothBitRatesZero();
    void emptiedCountAndRepair();
    void recorderLimit_data();
    void recorderLimit();
    void disabledChannelsChangeResult();
    void twentyEightRecords();
    void deleteMiddleOfThree();
    void deleteSeveralAtOnce();
    void deleteLastRecord_data();
    void deleteLastRecord();
    void noMenuWithoutRecord_data();
    void noMenuWithoutRecord();
    void refreshWithNothingRemovedKeepsRecords();
    void insideMainWindow();

private:
    CTableView* Table() const;
    QLabel* Label(const char* name) const;
    QComboBox* Combo(const char* name) const;
    QString Result() const;
    CComboBox* TypeCombo(int row) const;
    CComboBox* ChannelCombo(int row) const;
    QLineEdit* NumberEdit(int row) const;
    // Every row's ID text, from row 0 down to the last row with text.
    QStringList IdTexts() const;

    void ClickCell(int row, int column, Qt::MouseButton button = Qt::LeftButton);
    void AddRecords(int count);
    // Chooses an item with the keyboard, as a user does on a closed combo box.
    static void ChooseItem(QComboBox* combo, const QString& text);
    static void TypeInto(QWidget* editor, const QString& text);
    void TypeBitRate(const char* comboName, const QString& text);
    // Selects the records by clicking their ID cells, opens the context menu and clicks
    // "delete". Returns whether the menu came up.
    bool DeleteRecords(const QList<int>& rows, int column = 0);
    // The result the engine gives for these rows (name, disabled channels, count).
    static QString EngineResult(const QList<std::tuple<QString, int, int>>& rows, int bitRate);

    CDlgCalIPCNum* m_page = nullptr;
};

void TestCDlgCalIPCNum::initTestCase()
{
    NVRTypeList.clear();
    InitNVRTypeTable();
    QCOMPARE(int(NVRTypeList.size()), 28);
}

void TestCDlgCalIPCNum::init()
{
    m_page = new CDlgCalIPCNum;
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page));
}

void TestCDlgCalIPCNum::cleanup()
{
    delete m_page;
    m_page = nullptr;
}

CTableView* TestCDlgCalIPCNum::Table() const
{
    return m_page->findChild<CTableView*>(QStringLiteral("m_pIPCTableView"));
}

QLabel* TestCDlgCalIPCNum::Label(const char* name) const
{
    return m_page->findChild<QLabel*>(QLatin1String(name));
}

QComboBox* TestCDlgCalIPCNum::Combo(const char* name) const
{
    return m_page->findChild<QComboBox*>(QLatin1String(name));
}

QString TestCDlgCalIPCNum::Result() const
{
    return m_page->findChild<QToolButton*>(QStringLiteral("m_pResultToolButton"))->text();
}

CComboBox* TestCDlgCalIPCNum::TypeCombo(int row) const
{
    return qobject_cast<CComboBox*>(Table()->GetCellWidget(row, 1));
}

CComboBox* TestCDlgCalIPCNum::ChannelCombo(int row) const
{
    return qobject_cast<CComboBox*>(Table()->GetCellWidget(row, 2));
}

QLineEdit* TestCDlgCalIPCNum::NumberEdit(int row) const
{
    return qobject_cast<QLineEdit*>(Table()->GetCellWidget(row, 3));
}

QStringList TestCDlgCalIPCNum::IdTexts() const
{
    QStringList texts;
    for (int row = 0; row < CDlgCalIPCNum::TableRows; ++row)
        texts << Table()->GetCellText(row, 0);
    while (!texts.isEmpty() && texts.last().isEmpty())
        texts.removeLast();
    return texts;
}

void TestCDlgCalIPCNum::ClickCell(int row, int column, Qt::MouseButton button)
{
    CTableView* table = Table();
    const QModelIndex index = table->model()->index(row, column);
    table->scrollTo(index);
    const QPoint centre = table->visualRect(index).center();
    QTest::mouseClick(table->viewport(), button, {}, centre);
}

void TestCDlgCalIPCNum::AddRecords(int count)
{
    for (int i = 0; i < count; ++i) {
        int promptRow = IdTexts().indexOf(Prompt);
        QVERIFY(promptRow >= 0);
        ClickCell(promptRow, 0);
        QVERIFY(TypeCombo(promptRow));
    }
}

void TestCDlgCalIPCNum::ChooseItem(QComboBox* combo, const QString& text)
{
    QVERIFY(combo->findText(text) >= 0);
    // Home belongs to the line edit of an editable combo box; Up walks its list there.
    if (combo->isEditable()) {
        for (int i = 0; i < combo->count(); ++i)
            QTest::keyClick(combo, Qt::Key_Up);
    } else {
        QTest::keyClick(combo, Qt::Key_Home);
    }
    for (int i = 0; i < combo->count() && combo->currentText() != text; ++i)
        QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(combo->currentText(), text);
}

void TestCDlgCalIPCNum::TypeInto(QWidget* editor, const QString& text)
{
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(editor, Qt::Key_Backspace);
    else
        QTest::keyClicks(editor, text);
}

void TestCDlgCalIPCNum::TypeBitRate(const char* comboName, const QString& text)
{
    QComboBox* combo = Combo(comboName);
    TypeInto(combo->lineEdit(), text);
    QCOMPARE(combo->currentText(), text);
}

bool TestCDlgCalIPCNum::DeleteRecords(const QList<int>& rows, int column)
{
    CTableView* table = Table();
    table->clearSelection();
    for (int i = 0; i < rows.size(); ++i) {
        const QModelIndex index = table->model()->index(rows[i], column);
        table->scrollTo(index);
        QTest::mouseClick(table->viewport(), Qt::LeftButton,
                          i == 0 ? Qt::NoModifier : Qt::ControlModifier,
                          table->visualRect(index).center());
    }
    const QPoint at = table->visualRect(table->model()->index(rows.last(), column)).center();

    auto menuSeen = std::make_shared<bool>(false);
    auto done = std::make_shared<bool>(false);
    auto clickDelete = std::make_shared<std::function<void(int)>>();
    *clickDelete = [menuSeen, done, clickDelete](int attemptsLeft) {
        if (*done)
            return;
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) {
            if (attemptsLeft > 0)
                QTimer::singleShot(5, qApp, [clickDelete, attemptsLeft] {
                    if (*clickDelete)
                        (*clickDelete)(attemptsLeft - 1);
                });
            return;
        }
        *menuSeen = true;
        for (QAction* action : menu->actions()) {
            if (action->text() == QLatin1String("delete")) {
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
                break;
            }
        }
        if (menu->isVisible())
            menu->close();
    };
    QTimer::singleShot(0, m_page, [clickDelete] {
        if (*clickDelete)
            (*clickDelete)(200);
    });
    // The window system follows a right click with a context-menu event; QTest sends only
    // the click.
    QTest::mouseClick(table->viewport(), Qt::RightButton, {}, at);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, table->viewport()->mapToGlobal(at));
    QApplication::sendEvent(table->viewport(), &event);
    // The menu runs inside the event's handling: once it has returned, a menu that did not
    // come up will not come up any more.
    *done = true;
    // The closure holds itself; empty it so it is released.
    *clickDelete = nullptr;
    return *menuSeen;
}

QString TestCDlgCalIPCNum::EngineResult(const QList<std::tuple<QString, int, int>>& rows,
                                        int bitRate)
{
    CalNVRSelection selection;
    for (const auto& [name, disabled, count] : rows) {
        CalNVRInfo info;
        if (FindNVRTypeByName(name, info) && count != 0)
            selection.emplace(info.id, std::make_pair(disabled, count));
    }
    // The box groups the digits as the interface language writes them.
    return QLocale(QLocale::English, QLocale::UnitedStates)
        .toString(CalIPCCapacity(selection, bitRate));
}

void TestCDlgCalIPCNum::newPage()
{
    CTableView* table = Table();
    QVERIFY(table);
    QCOMPARE(IdTexts(), QStringList{Prompt});
    QCOMPARE(table->model()->rowCount(), CDlgCalIPCNum::TableRows);
    for (int row = 0; row < CDlgCalIPCNum::TableRows; ++row) {
        for (int column = 0; column < 4; ++column)
            QVERIFY(!table->GetCellWidget(row, column));
    }

    auto* proxy = qobject_cast<ProxyModelWithHeaderModels*>(table->model());
    QVERIFY(proxy);
    QVERIFY(qobject_cast<HierarchicalHeaderView*>(table->header()));
    auto* header = qobject_cast<QStandardItemModel*>(
        proxy->data(QModelIndex(), ProxyModelWithHeaderModels::HorizontalHeaderModelRole)
            .value<QObject*>());
    QVERIFY(header);
    QStandardItem* root = header->item(0, 0);
    QCOMPARE(root->text(), QStringLiteral("NVR"));
    QStringList titles;
    for (int column = 0; column < root->columnCount(); ++column)
        titles << root->child(0, column)->text();
    QCOMPARE(titles, (QStringList{"ID", "NVR Type", "Disable Channel Number", "Number(tai)"}));
    QCOMPARE((QList<int>{table->columnWidth(0), table->columnWidth(1), table->columnWidth(2)}),
             (QList<int>{180, 150, 150}));

    for (const char* name : {"m_pFirstBitRateComboBox", "m_pSecondBitRateComboBox"}) {
        QComboBox* combo = Combo(name);
        QCOMPARE(combo->currentText(), QStringLiteral("1024(1M)"));
        QVERIFY(combo->isEditable());
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        QCOMPARE(items, BitRateChoices());
    }
    for (const char* name : {"m_pFirstBitRateLabel", "m_pSecondBitRateLabel", "m_pNVRMessageLabel",
                             "m_pNumberInfoLabel"})
        QVERIFY2(!Label(name)->isVisible(), name);
    QCOMPARE(Result(), QString());
    // What a plan takes "IPC Calculate" to hold before the page is built.
    QVERIFY(m_page->State() == CDlgCalIPCNum::InitialState());
}

void TestCDlgCalIPCNum::firstRecord()
{
    ClickCell(0, 0);
    QCOMPARE(IdTexts(), (QStringList{"1", Prompt}));
    QCOMPARE(TypeCombo(0)->currentText(), NVRTypeList.front().name);
    QVERIFY(!TypeCombo(0)->isEditable());
    QCOMPARE(TypeCombo(0)->count(), 28);
    QCOMPARE(ChannelCombo(0)->currentText(), QStringLiteral("0"));
    QCOMPARE(NumberEdit(0)->text(), QStringLiteral("5"));
    QVERIFY(!TypeCombo(1));
    // The first entry takes 20480 kbps on 8 channels: 10 cameras of 2048 kbps fit, 8 are
    // allowed; five recorders take 40.
    QCOMPARE(Result(), QStringLiteral("40"));

    // A click on a record's own ID cell adds nothing.
    ClickCell(0, 0);
    QCOMPARE(IdTexts(), (QStringList{"1", Prompt}));
}

void TestCDlgCalIPCNum::newRecordTakesLowestFreeEntry_data()
{
    QTest::addColumn<QList<int>>("entries");
    QTest::addColumn<int>("expected");

    QTest::newRow("a gap between two records") << QList<int>{0, 2} << 1;
    QTest::newRow("the first entry free") << QList<int>{1, 2} << 0;
    QTest::newRow("no gap: after the highest") << QList<int>{0, 1} << 2;
    QTest::newRow("records out of order") << QList<int>{3, 0, 1} << 2;
}

void TestCDlgCalIPCNum::newRecordTakesLowestFreeEntry()
{
    QFETCH(QList<int>, entries);
    QFETCH(int, expected);

    AddRecords(entries.size());
    for (int row = 0; row < entries.size(); ++row)
        ChooseItem(TypeCombo(row), NVRTypeList[entries[row]].name);
    QVERIFY(!Label("m_pNVRMessageLabel")->isVisible());

    AddRecords(1);
    QCOMPARE(TypeCombo(entries.size())->currentIndex(), expected);
    QVERIFY(!Label("m_pNVRMessageLabel")->isVisible());
}

void TestCDlgCalIPCNum::duplicateTypeAndRepair()
{
    AddRecords(2);
    QCOMPARE(TypeCombo(1)->currentText(), QStringLiteral("NR-A16V"));
    const QString before = Result();
    QVERIFY(before != QStringLiteral("0"));

    ChooseItem(TypeCombo(1), QStringLiteral("NR-A8V"));
    QVERIFY(Label("m_pNVRMessageLabel")->isVisible());
    QCOMPARE(Label("m_pNVRMessageLabel")->text(), Red.arg("The NVR Type already exists"));
    QCOMPARE(Result(), QString());

    // While the message is up no record is added and nothing is recalculated.
    ClickCell(2, 0);
    QVERIFY(!TypeCombo(2));
    TypeBitRate("m_pFirstBitRateComboBox", QStringLiteral("512"));
    QCOMPARE(Result(), QString());

    ChooseItem(TypeCombo(1), QStringLiteral("NR-C32V"));
    QVERIFY(!Label("m_pNVRMessageLabel")->isVisible());
    QCOMPARE(Result(), EngineResult({{"NR-A8V", 0, 5}, {"NR-C32V", 0, 5}}, 512 + 1024));
}

void TestCDlgCalIPCNum::duplicateLeftBetweenOtherRowsStillBlocks()
{
    AddRecords(3);
    ChooseItem(TypeCombo(2), QStringLiteral("NR-A8V"));
    QVERIFY(Label("m_pNVRMessageLabel")->isVisible());
    ChooseItem(TypeCombo(1), QStringLiteral("NR-A8V"));
    QVERIFY(Label("m_pNVRMessageLabel")->isVisible());
    // Row 1 is repaired, but rows 0 and 2 still name the same type: counting only one of
    // them would give a wrong number, so the page keeps refusing.
    ChooseItem(TypeCombo(1), QStringLiteral("NR-B8V"));
    QVERIFY(Label("m_pNVRMessageLabel")->isVisible());
    QCOMPARE(Label("m_pNVRMessageLabel")->text(), Red.arg("The NVR Type already exists"));
    QCOMPARE(Result(), QString());

    ChooseItem(TypeCombo(2), QStringLiteral("NR-C8V"));
    QVERIFY(!Label("m_pNVRMessageLabel")->isVisible());
    QCOMPARE(Result(), EngineResult({{"NR-A8V", 0, 5}, {"NR-B8V", 0, 5}, {"NR-C8V", 0, 5}}, 2048));
}

void TestCDlgCalIPCNum::duplicateRowGetsChannelsOfItsType()
{
    AddRecords(2);
    ChooseItem(TypeCombo(1), QStringLiteral("NR-K16Y"));
    ChooseItem(ChannelCombo(1), QStringLiteral("4"));

    // Row 1 becomes a duplicate of row 0; the user then repairs row 0 instead.
    ChooseItem(TypeCombo(1), QStringLiteral("NR-A8V"));
    QVERIFY(Label("m_pNVRMessageLabel")->isVisible());
    ChooseItem(TypeCombo(0), QStringLiteral("NR-B8V"));
    QVERIFY(!Label("m_pNVRMessageLabel")->isVisible());

    // NR-A8V has no channels to disable; the four chosen for NR-K16Y must not stay.
    QCOMPARE(ChannelCombo(1)->currentText(), QStringLiteral("0"));
    QCOMPARE(ChannelCombo(1)->count(), 1);
    QVERIFY(!ChannelCombo(1)->isEnabled());
    QCOMPARE(Result(), EngineResult({{"NR-B8V", 0, 5}, {"NR-A8V", 0, 5}}, 2048));
}

void TestCDlgCalIPCNum::bitRates_data()
{
    QTest::addColumn<QByteArray>("combo");
    QTest::addColumn<QByteArray>("label");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");

    const QByteArray first = "m_pFirstBitRateComboBox";
    const QByteArray second = "m_pSecondBitRateComboBox";
    const QByteArray firstLabel = "m_pFirstBitRateLabel";
    const QByteArray secondLabel = "m_pSecondBitRateLabel";
    QTest::newRow("31 below the range") << first << firstLabel << "31" << false;
    QTest::newRow("16385 above the range") << first << firstLabel << "16385" << false;
    QTest::newRow("abc no number") << first << firstLabel << "abc" << false;
    QTest::newRow("second combo: 31") << second << secondLabel << "31" << false;
    QTest::newRow("second combo: abc") << second << secondLabel << "abc" << false;
    QTest::newRow("0 accepted") << first << firstLabel << "0" << true;
    QTest::newRow("32 lowest") << first << firstLabel << "32" << true;
    QTest::newRow("2M in megabits") << first << firstLabel << "2M" << true;
    QTest::newRow("512k in kilobits") << first << firstLabel << "512k" << true;
    QTest::newRow("second combo: 2M") << second << secondLabel << "2M" << true;
}

void TestCDlgCalIPCNum::bitRates()
{
    QFETCH(QByteArray, combo);
    QFETCH(QByteArray, label);
    QFETCH(QString, text);
    QFETCH(bool, valid);

    AddRecords(1);
    ChooseItem(TypeCombo(0), QStringLiteral("NR-C32V"));
    TypeBitRate(combo.constData(), text);

    QLabel* message = Label(label.constData());
    QCOMPARE(message->isVisible(), !valid);
    const char* other =
        combo.startsWith("m_pFirst") ? "m_pSecondBitRateLabel" : "m_pFirstBitRateLabel";
    QVERIFY(!Label(other)->isVisible());
    if (!valid) {
        QCOMPARE(message->text(), BitRateMessage);
        QCOMPARE(Result(), QString());
        // Choosing a listed bit rate again clears the message and recalculates.
        ChooseItem(Combo(combo.constData()), QStringLiteral("2048(2M)"));
        QVERIFY(!message->isVisible());
        QCOMPARE(Result(), EngineResult({{"NR-C32V", 0, 5}}, 2048 + 1024));
    } else {
        QCOMPARE(Result(), EngineResult({{"NR-C32V", 0, 5}}, ParseBitRate(text) + 1024));
    }
}

void TestCDlgCalIPCNum::bothBitRatesZero()
{
    AddRecords(1);
    QVERIFY(Result() != QStringLiteral("0"));
    TypeBitRate("m_pFirstBitRateComboBox", QStringLiteral("0"));
    QVERIFY(Result() != QStringLiteral("0"));
    TypeBitRate("m_pSecondBitRateComboBox", QStringLiteral("0"));
    QCOMPARE(Result(), QStringLiteral("0"));
    QVERIFY(!Label("m_pFirstBitRateLabel")->isVisible());
    QVERIFY(!Label("m_pSecondBitRateLabel")->isVisible());
}

void TestCDlgCalIPCNum::emptiedCountAndRepair()
{
    AddRecords(2);
    TypeInto(NumberEdit(1), QString());
    QVERIFY(Label("m_pNumberInfoLabel")->isVisible());
    QCOMPARE(Label("m_pNumberInfoLabel")->text(), Red.arg("The number can not be blank"));
    QCOMPARE(Result(), QString());

    // Neither new records nor other changes get past the message.
    ClickCell(2, 0);
    QVERIFY(!TypeCombo(2));
    TypeInto(NumberEdit(0), QStringLiteral("9"));
    QVERIFY(Label("m_pNumberInfoLabel")->isVisible());
    QCOMPARE(Result(), QString());

    TypeInto(NumberEdit(1), QStringLiteral("7"));
    QVERIFY(!Label("m_pNumberInfoLabel")->isVisible());
    QCOMPARE(Result(), EngineResult({{"NR-A8V", 0, 9}, {"NR-A16V", 0, 7}}, 2048));

    // The editor refuses what is not a count, and says so; a leading zero reads as meant.
    TypeInto(NumberEdit(1), QStringLiteral("07x"));
    QCOMPARE(NumberEdit(1)->text(), QStringLiteral("07"));
    QVERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QStringLiteral("Only whole numbers can be typed here."));
    QCOMPARE(Result(), EngineResult({{"NR-A8V", 0, 9}, {"NR-A16V", 0, 7}}, 2048));
}

void TestCDlgCalIPCNum::recorderLimit_data()
{
    QTest::addColumn<QString>("secondCount");
    QTest::addColumn<bool>("refused");

    QTest::newRow("1000001 recorders refused") << "1" << true;
    QTest::newRow("exactly 1000000 accepted") << "0" << false;
}

void TestCDlgCalIPCNum::recorderLimit()
{
    QFETCH(QString, secondCount);
    QFETCH(bool, refused);

    AddRecords(2);
    TypeInto(NumberEdit(1), secondCount);
    auto seen = std::make_shared<WarnSeen>();
    CloseWarnings(m_page, seen);
    TypeInto(NumberEdit(0), QStringLiteral("1000000"));

    // Said beside the table: a message box would take the keys still being typed.
    QCOMPARE(seen->count, 0);
    QCOMPARE(NumberEdit(0)->text(), QStringLiteral("1000000"));
    QCOMPARE(Label("m_pNumberInfoLabel")->isVisible(), refused);
    if (refused) {
        QCOMPARE(Label("m_pNumberInfoLabel")->text(), Red.arg(TooMany));
        QCOMPARE(Result(), QString());
    } else {
        QCOMPARE(Result(), EngineResult({{"NR-A8V", 0, 1000000}}, 2048));
    }
}

void TestCDlgCalIPCNum::disabledChannelsChangeResult()
{
    AddRecords(1);
    ChooseItem(TypeCombo(0), QStringLiteral("NR-K16Y"));
    QVERIFY(ChannelCombo(0)->isEnabled());
    QCOMPARE(ChannelCombo(0)->count(), 17);
    // 81920 kbps hold 40 cameras of 2048 kbps: 16 channels take 16, with 4 disabled 20.
    QCOMPARE(Result(), QStringLiteral("80"));
    ChooseItem(ChannelCombo(0), QStringLiteral("4"));
    QCOMPARE(Result(), QStringLiteral("100"));
    // With all 16 disabled, 32 channels: 40 cameras by bandwidth take 32; with a quarter of
    // it kept free, 61440 kbps take 30. Out of range, no result rather than a stale one.
    ChooseItem(ChannelCombo(0), QStringLiteral("16"));
    QCOMPARE(Result(), QStringLiteral("160"));
    auto* reserve = m_page->findChild<QLineEdit*>(QStringLiteral("m_pBandwidthReserveEdit"));
    TypeInto(reserve, QStringLiteral("25"));
    QCOMPARE(Result(), QStringLiteral("150"));
    QCOMPARE(m_page->State().ipcBandwidthReservePercent, 25);
    TypeInto(reserve, QStringLiteral("51"));
    QVERIFY(Label("m_pReserveInformation")->isVisible());
    QCOMPARE(Result(), QString());
    TypeInto(reserve, QStringLiteral("0"));

    // Another type starts again from no disabled channels.
    ChooseItem(TypeCombo(0), QStringLiteral("NR-K8Y"));
    QCOMPARE(ChannelCombo(0)->currentText(), QStringLiteral("0"));
    QCOMPARE(ChannelCombo(0)->count(), 9);
    QCOMPARE(Result(), EngineResult({{"NR-K8Y", 0, 5}}, 2048));
}

void TestCDlgCalIPCNum::twentyEightRecords()
{
    AddRecords(CDlgCalIPCNum::TableRows);
    QStringList ids;
    for (int row = 0; row < CDlgCalIPCNum::TableRows; ++row) {
        ids << QString::number(row + 1);
        // No duplicates on the way: every new record took the next free entry.
        QCOMPARE(TypeCombo(row)->currentIndex(), row);
    }
    QCOMPARE(IdTexts(), ids);
    QVERIFY(!Label("m_pNVRMessageLabel")->isVisible());
    QVERIFY(Result() != QStringLiteral("0"));

    QVERIFY(DeleteRecords({4}));
    ids.removeLast();
    ids << Prompt;
    QCOMPARE(IdTexts(), ids);
    QVERIFY(!TypeCombo(27));
    // The freed entry is the one the next record takes.
    AddRecords(1);
    QCOMPARE(TypeCombo(27)->currentIndex(), 4);
    QVERIFY(!Label("m_pNVRMessageLabel")->isVisible());
}

void TestCDlgCalIPCNum::deleteMiddleOfThree()
{
    AddRecords(3);
    ChooseItem(TypeCombo(2), QStringLiteral("NR-K16Y"));
    ChooseItem(ChannelCombo(2), QStringLiteral("4"));
    TypeInto(NumberEdit(2), QStringLiteral("10"));
    CComboBox* thirdType = TypeCombo(2);
    QLineEdit* thirdNumber = NumberEdit(2);

    QVERIFY(DeleteRecords({1}));
    QCOMPARE(IdTexts(), (QStringList{"1", "2", Prompt}));
    QCOMPARE(TypeCombo(1), thirdType);
    QCOMPARE(NumberEdit(1), thirdNumber);
    QCOMPARE(ChannelCombo(1)->currentText(), QStringLiteral("4"));
    QCOMPARE(thirdType->Row(), 1);
    QVERIFY(!TypeCombo(2) && !ChannelCombo(2) && !NumberEdit(2));
    QCOMPARE(Table()->GetCellText(3, 0), QString());
    QCOMPARE(Table()->model()->rowCount(), CDlgCalIPCNum::TableRows);
    QCOMPARE(Result(), EngineResult({{"NR-A8V", 0, 5}, {"NR-K16Y", 4, 10}}, 2048));

    // The moved record still works in its new row: a type change rebuilds row 1's channels.
    ChooseItem(TypeCombo(1), QStringLiteral("NR-K8Y"));
    QCOMPARE(ChannelCombo(1)->count(), 9);
    QCOMPARE(Result(), EngineResult({{"NR-A8V", 0, 5}, {"NR-K8Y", 0, 10}}, 2048));
    AddRecords(1);
    QCOMPARE(IdTexts(), (QStringList{"1", "2", "3", Prompt}));
}

void TestCDlgCalIPCNum::deleteSeveralAtOnce()
{
    AddRecords(4);
    CComboBox* last = TypeCombo(3);
    QVERIFY(DeleteRecords({0, 2}));
    QCOMPARE(IdTexts(), (QStringList{"1", "2", Prompt}));
    QCOMPARE(TypeCombo(0)->currentText(), QStringLiteral("NR-A16V"));
    QCOMPARE(TypeCombo(1), last);
    QCOMPARE(Result(), EngineResult({{"NR-A16V", 0, 5}, {"NR-B16V", 0, 5}}, 2048));
}

void TestCDlgCalIPCNum::deleteLastRecord_data()
{
    QTest::addColumn<bool>("countEmptied");

    QTest::newRow("with a count") << false;
    QTest::newRow("with the count message up") << true;
}

void TestCDlgCalIPCNum::deleteLastRecord()
{
    QFETCH(bool, countEmptied);

    AddRecords(1);
    if (countEmptied) {
        TypeInto(NumberEdit(0), QString());
        QVERIFY(Label("m_pNumberInfoLabel")->isVisible());
    }
    QVERIFY(DeleteRecords({0}));
    QCOMPARE(IdTexts(), QStringList{Prompt});
    QVERIFY(!TypeCombo(0) && !NumberEdit(0));
    // No editor is left to clear the message, so it must not outlive the record: the page
    // would otherwise refuse every new record.
    QVERIFY(!Label("m_pNumberInfoLabel")->isVisible());
    QCOMPARE(Result(), QStringLiteral("0"));

    ClickCell(0, 0);
    QCOMPARE(IdTexts(), (QStringList{"1", Prompt}));
    QCOMPARE(TypeCombo(0)->currentText(), QStringLiteral("NR-A8V"));
    QCOMPARE(Result(), QStringLiteral("40"));
}

void TestCDlgCalIPCNum::noMenuWithoutRecord_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");

    QTest::newRow("the prompt row") << 1 << 2;
    QTest::newRow("an empty row") << 5 << 0;
}

void TestCDlgCalIPCNum::noMenuWithoutRecord()
{
    QFETCH(int, row);
    QFETCH(int, column);

    AddRecords(1);
    QVERIFY(!DeleteRecords({row}, column));
    QCOMPARE(IdTexts(), (QStringList{"1", Prompt}));
    QVERIFY(TypeCombo(0));
}

void TestCDlgCalIPCNum::refreshWithNothingRemovedKeepsRecords()
{
    AddRecords(2);
    m_page->RefreshTable();
    QCOMPARE(IdTexts(), (QStringList{"1", "2", Prompt}));
    AddRecords(1);
    QCOMPARE(IdTexts(), (QStringList{"1", "2", "3", Prompt}));
}

void TestCDlgCalIPCNum::insideMainWindow()
{
    delete m_page;
    m_page = nullptr;
    NVRTypeList.clear();
    CCorvane window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("m_pBtnCalIPCNum")),
                      Qt::LeftButton);
    m_page = window.IPCPage();
    QCOMPARE(window.StackedWidget()->currentWidget(), m_page);
    QVERIFY(Table()->isVisible());

    AddRecords(1);
    QCOMPARE(IdTexts(), (QStringList{"1", Prompt}));
    QCOMPARE(Result(), QStringLiteral("40"));

    // Escape in a cell editor is not a way out of the page.
    for (QWidget* editor :
         {static_cast<QWidget*>(TypeCombo(0)), static_cast<QWidget*>(NumberEdit(0))}) {
        editor->setFocus();
        QTest::keyClick(editor, Qt::Key_Escape);
        QVERIFY(m_page->isVisible());
    }

    // A long result keeps the box's size, so the table beside it keeps its columns.
    auto* box = m_page->findChild<QToolButton*>(QStringLiteral("m_pResultToolButton"));
    const QSize boxSize = box->size();
    const int tableWidth = Table()->width();
    ChooseItem(TypeCombo(0), QStringLiteral("NR-A16V"));
    TypeInto(NumberEdit(0), QStringLiteral("999999"));
    QVERIFY2(Result().size() >= 7, qPrintable(Result()));
    QCoreApplication::processEvents();
    QCOMPARE(box->size(), boxSize);
    QCOMPARE(Table()->width(), tableWidth);
    QVERIFY(QFontMetrics(box->font()).horizontalAdvance(Result()) <= box->width());
    TypeInto(NumberEdit(0), QStringLiteral("5"));
    ChooseItem(TypeCombo(0), QStringLiteral("NR-A8V"));
    QCOMPARE(Result(), QStringLiteral("40"));

    // The page's messages hold while it is behind the other tab.
    TypeInto(NumberEdit(0), QString());
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("m_pBtnCalNVRNum")),
                      Qt::LeftButton);
    QVERIFY(!m_page->isVisible());
    TypeBitRate("m_pFirstBitRateComboBox", QStringLiteral("512"));
    QCOMPARE(Result(), QString());
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("m_pBtnCalIPCNum")),
                      Qt::LeftButton);
    QVERIFY(Label("m_pNumberInfoLabel")->isVisible());

    m_page = nullptr; // the window owns it
}

QTEST_MAIN(TestCDlgCalIPCNum)
#include "tst_cdlgcalipcnum.moc"
