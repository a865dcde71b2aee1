// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/pageparts.h"

#include "engine/calnvrthread.h"
#include "engine/storage.h"
#include "engine/validation.h"
#include "widgets/calendar/cuilocale.h"
#include "widgets/dialogs/chasedialog.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QToolButton>
#include <QToolTip>
#include <memory>

namespace {

// The largest point size the box was designed with, taken once per box.
const char* const DesignedPointSize = "corvaneDesignedPointSize";
// Room left for the picture's rim on either side of the number.
constexpr int SideMargin = 12;

} // namespace

void ShowResultNumber(QToolButton* box, const QString& number, const QString& caption)
{
    if (!box)
        return;
    if (box->minimumSize().isValid() && box->minimumSize() != box->maximumSize())
        box->setFixedSize(box->minimumSize());
    QVariant designed = box->property(DesignedPointSize);
    if (!designed.isValid()) {
        designed = box->font().pointSize();
        box->setProperty(DesignedPointSize, designed);
    }
    QFont font = box->font();
    int size = qMax(1, designed.toInt());
    font.setPointSize(size);
    const int room = box->width() - 2 * SideMargin;
    while (size > 6 && QFontMetrics(font).horizontalAdvance(number) > room) {
        font.setPointSize(--size);
    }
    box->setFont(font);
    box->setText(number);

    const QString name = number.isEmpty() ? caption : caption + QStringLiteral(": ") + number;
    if (box->accessibleName() != name) {
        box->setAccessibleName(name);
        QAccessibleEvent changed(box, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void ShowMessageLabel(QLabel* label, const QString& text)
{
    const QString red = QStringLiteral("<font color=red>") + text + QStringLiteral("</font>");
    const bool announce = label->isHidden() || label->text() != red;
    label->setText(red);
    label->show();
    if (announce) {
        // A message appearing beside the table is an alert for a screen reader.
        QAccessibleEvent alert(label, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }
}

void EnterComboText(QComboBox* combo, const QString& text)
{
    if (!combo)
        return;
    const int index = combo->findText(text);
    if (index >= 0)
        combo->setCurrentIndex(index);
    if (combo->isEditable())
        combo->setEditText(text);
}

void FillModelChoice(QComboBox* combo, const CalModelList& own)
{
    const QString chosen = combo->currentText();
    const QSignalBlocker blocker(combo);
    combo->clear();
    for (const CalNVRInfo& info : NVRTypeList)
        combo->addItem(info.name, info.id);
    if (!own.empty())
        combo->insertSeparator(combo->count());
    const QString tip =
        QCoreApplication::translate("CCalculatorPage", "Recorder model defined in this plan");
    for (std::size_t i = 0; i < own.size(); ++i) {
        combo->addItem(own[i].name, CalFirstOwnModelId + int(i));
        const int at = combo->count() - 1;
        QFont italic = combo->font();
        italic.setItalic(true);
        combo->setItemData(at, italic, Qt::FontRole);
        combo->setItemData(at, tip, Qt::ToolTipRole);
        combo->setItemData(at, tip, Qt::AccessibleDescriptionRole);
    }
    // The separator's text is empty too: an empty choice is no name to keep.
    const int index = chosen.isEmpty() ? -1 : combo->findText(chosen);
    combo->setCurrentIndex(index >= 0 ? index : 0);
}

void CCalculatorPage::keyPressEvent(QKeyEvent* event)
{
    // The page is embedded in the main window: Escape must not close it as a dialog would.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

namespace {

QLocale UiLocale()
{
    return CUiLocale::Current().value_or(QLocale(QLocale::English, QLocale::UnitedStates));
}

} // namespace

QString GroupedNumber(qint64 value)
{
    return UiLocale().toString(value);
}

QString ScreenTerabytes(quint64 kilobits)
{
    return UiLocale().toString(StorageTerabytes(kilobits), 'f', 3);
}

QString ScreenStorage(quint64 kilobits)
{
    // The exact text, its whole part grouped as the interface's language groups digits.
    const QString tib = StorageTebibytesText(kilobits);
    const qsizetype point = tib.indexOf(QLatin1Char('.'));
    const QString grouped = GroupedNumber(tib.left(point).toLongLong()) +
                            UiLocale().decimalPoint() + tib.mid(point + 1);
    return QCoreApplication::translate("CCalculatorPage", "%1 TB (%2 TiB)")
        .arg(ScreenTerabytes(kilobits), grouped);
}

QString PlainMessage(const QLabel* label)
{
    QString text = label->text();
    text.replace(QLatin1String("<br/>"), QLatin1String(" "));
    return text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
}

void SayRefusedInput(QLineEdit* edit, const QString& message)
{
    QObject::connect(edit, &QLineEdit::inputRejected, edit, [edit, message] {
        const QString text =
            message.isEmpty() ? CalMessage(CalMessages::WholeNumbersOnly) : message;
        QToolTip::showText(edit->mapToGlobal(QPoint(0, edit->height())), text, edit);
        QAccessibleEvent alert(edit, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    });
}

bool WaitForWorker(QWidget* parent, CalNVRThread* worker, const QString& text)
{
    ChaseDialog dialog(parent, QStringLiteral(":/images/Loading.gif"), text, false);
    // The worker deletes itself once finished; the guard tells when that has happened.
    QPointer<CalNVRThread> running(worker);
    // Set on the GUI thread by the worker's own signal, so it is true exactly when the
    // results are complete. Connected before the dialog so that it is set when the dialog
    // ends by the same signal.
    auto finished = std::make_shared<bool>(false);
    QObject::connect(worker, &CalNVRThread::CalSuc, &dialog, [finished] { *finished = true; });
    QObject::connect(worker, &CalNVRThread::CalSuc, &dialog, &ChaseDialog::OnImmediatelyStopChase);
    worker->start(QThread::InheritPriority);
    // The window is not repainted meanwhile, which nobody sees in half a second. The worker's
    // report is then waiting in the queue, addressed to the dialog.
    if (worker->wait(QDeadlineTimer(WaitDialogDelayMs))) {
        QCoreApplication::sendPostedEvents(&dialog, QEvent::MetaCall);
        if (*finished)
            return true;
    }
    // Whatever else ends the wait, the results are not there yet: keep waiting.
    while (!*finished) {
        bool ended = false;
        const QMetaObject::Connection end =
            QObject::connect(&dialog, &QDialog::finished, &dialog, [&ended] { ended = true; });
        dialog.exec();
        QObject::disconnect(end);
        if (!ended && !*finished) {
            // The loop was left without the dialog finishing: the application is quitting,
            // and no event loop will run again. Let the worker finish writing CalNVRData
            // before anything is torn down, and leave the unfinished results alone.
            dialog.hide();
            if (running)
                running->wait();
            return false;
        }
    }
    return true;
}

namespace {

constexpr char EstimateProperty[] = "corvaneEstimate";
constexpr char PriceProperty[] = "corvaneUnitPrice";
constexpr char EstimateTextProperty[] = "corvaneEstimateText";

} // namespace

PlanStreamEstimate BoxEstimate(const QComboBox* box)
{
    if (!box)
        return std::nullopt;
    const QVariant settings = box->property(EstimateProperty);
    if (!settings.isValid() || box->property(EstimateTextProperty).toString() != box->currentText())
        return std::nullopt;
    return settings.value<CalStreamSettings>();
}

void SetBoxEstimate(QComboBox* box, const PlanStreamEstimate& estimate)
{
    if (!box)
        return;
    box->setProperty(EstimateProperty, estimate ? QVariant::fromValue(*estimate) : QVariant());
    box->setProperty(EstimateTextProperty, estimate ? box->currentText() : QString());
}

PlanUnitPrice EditorPrice(const QWidget* editor)
{
    const QVariant price = editor ? editor->property(PriceProperty) : QVariant();
    return price.isValid() ? PlanUnitPrice(price.toULongLong()) : std::nullopt;
}

void SetEditorPrice(QWidget* editor, const PlanUnitPrice& price)
{
    if (editor)
        editor->setProperty(PriceProperty, price ? QVariant::fromValue(*price) : QVariant());
}

void OfferEstimate(QComboBox* box, const std::function<void()>& open)
{
    const QString text = QCoreApplication::translate("CCalculatorPage", "Estimate...");
    const QKeySequence key(EstimateKey);
    box->setToolTip(
        QCoreApplication::translate("CCalculatorPage",
                                    "%1 kbps, or estimate it from the camera's settings (%2)")
            .arg(QCoreApplication::translate("CCalculatorPage", "Bit rate"),
                 key.toString(QKeySequence::NativeText)));
    auto* action = new QAction(text, box);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(action, &QAction::triggered, box, open);
    box->addAction(action);
    if (QLineEdit* edit = box->lineEdit()) {
        edit->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(edit, &QWidget::customContextMenuRequested, edit,
                         [edit, action](const QPoint& pos) {
                             std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
                             menu->insertAction(menu->actions().value(0), action);
                             menu->insertSeparator(menu->actions().value(1));
                             menu->exec(edit->mapToGlobal(pos));
                         });
    }
}
