// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/cplandetailsdlg.h"

#include "engine/storage.h"
#include "pages/pageparts.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr int DetailFields = 4;
constexpr int PriceEditWidth = 150;

QLabel* MessageLabel(QWidget* parent, const QString& name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->hide();
    return label;
}

QLabel* Heading(const QString& text, QWidget* parent)
{
    // A heading of its own rather than a group box's title, which the program's style draws
    // over the first row.
    auto* heading = new QLabel(text, parent);
    heading->setStyleSheet(QStringLiteral("color: #28619b; font-weight: bold;"));
    return heading;
}

} // namespace

CPlanDetailsDlg::CPlanDetailsDlg(const CorvanePlan& plan, QWidget* parent)
    : CBaseDialog(parent, true, true, true), m_prices(plan.prices),
      m_cameras(int(plan.cameras.size()))
{
    SetTitleText(tr("Plan Details"));
    ShowCloseBtn(true);
    SetEscapeRejects(true);

    auto* content = new QWidget(this);
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(12, 8, 12, 4);
    m_pTabs = new QTabWidget(content);
    m_pTabs->setObjectName(QStringLiteral("m_pDetailsTabs"));
    m_pTabs->setDocumentMode(true);
    m_pTabs->addTab(MakeDetailsTab(plan.details), tr("Details"));
    m_pTabs->addTab(MakePricesTab(plan), tr("Unit prices"));
    layout->addWidget(m_pTabs);
    SetContentWidget(content);

    for (QLineEdit* edit : {m_pSiteEdit, m_pCustomerEdit, m_pPlannerEdit})
        connect(edit, &QLineEdit::textChanged, this, &CPlanDetailsDlg::CheckDetails);
    connect(m_pNotesEdit, &QPlainTextEdit::textChanged, this, &CPlanDetailsDlg::CheckDetails);
    for (const PriceField& field : m_priceFields) {
        connect(field.edit, &QLineEdit::textChanged, this, [this] {
            if (m_bCheckingPrices)
                CheckPrices();
        });
    }
    CheckDetails();

    m_pSiteEdit->setFocus();
    resize(qMax(600, sizeHint().width()), 560);
}

QWidget* CPlanDetailsDlg::MakeDetailsTab(const PlanDetails& details)
{
    auto* tab = new QWidget;
    auto* grid = new QGridLayout(tab);
    grid->setContentsMargins(8, 12, 8, 8);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);
    grid->setColumnStretch(1, 1);
    int row = 0;
    int index = 0;
    auto addRow = [&](const QString& text, QWidget* field, const char* name) {
        auto* label = new QLabel(text, tab);
        label->setBuddy(field);
        field->setObjectName(QLatin1String(name));
        field->setAccessibleName(text.chopped(1).trimmed());
        // Beside a line's text; at the top of the notes.
        const bool lines = qobject_cast<QPlainTextEdit*>(field) != nullptr;
        grid->addWidget(label, row, 0, Qt::AlignLeft | (lines ? Qt::AlignTop : Qt::AlignVCenter));
        grid->addWidget(field, row, 1);
        ++row;
        m_pDetailMessages[index] =
            MessageLabel(tab, QLatin1String(name) + QStringLiteral("Message"));
        grid->addWidget(m_pDetailMessages[index], row, 1);
        ++row;
        ++index;
    };
    auto lineEdit = [&](const QString& text, const QString& tip) {
        auto* edit = new QLineEdit(text, tab);
        edit->setToolTip(tip);
        return edit;
    };
    m_pSiteEdit = lineEdit(details.site, tr("Where the cameras are installed"));
    addRow(tr("Site:"), m_pSiteEdit, "m_pSiteEdit");
    m_pCustomerEdit = lineEdit(details.customer, tr("Who the installation is for"));
    addRow(tr("Customer:"), m_pCustomerEdit, "m_pCustomerEdit");
    m_pPlannerEdit = lineEdit(details.planner, tr("Who planned it"));
    addRow(tr("Planner:"), m_pPlannerEdit, "m_pPlannerEdit");
    m_pNotesEdit = new QPlainTextEdit(tab);
    m_pNotesEdit->setPlainText(details.notes);
    // Tab leaves the notes as it leaves every other field; a tab can still be pasted.
    m_pNotesEdit->setTabChangesFocus(true);
    m_pNotesEdit->setPlaceholderText(
        tr("What the customer reads with the plan: the currency of the prices, what is assumed, "
           "what is left out"));
    const int notesRow = row;
    addRow(tr("Notes:"), m_pNotesEdit, "m_pNotesEdit");
    grid->setRowStretch(notesRow, 1);
    auto* note = new QLabel(tr("The report and the export show these at their top."), tab);
    note->setWordWrap(true);
    note->setStyleSheet(QStringLiteral("color: #555555;"));
    grid->addWidget(note, row, 0, 1, 2);
    return tab;
}

QWidget* CPlanDetailsDlg::MakePricesTab(const CorvanePlan& plan)
{
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(8, 12, 8, 8);
    auto* intro = new QLabel(tr("Prices with at most two decimals, in the currency you count in "
                                "(the notes can name it); an empty price is none. The bill of "
                                "materials at the end of the report totals the priced lines."),
                             tab);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    auto* scroll = new QScrollArea(tab);
    scroll->setObjectName(QStringLiteral("m_pPriceScroll"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* inner = new QWidget(scroll);
    auto* grid = new QGridLayout(inner);
    grid->setContentsMargins(0, 4, 8, 4);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(4);
    grid->setColumnStretch(0, 1);
    int row = 0;
    auto heading = [&](const QString& text) {
        // Space above every heading but the first.
        if (row > 0)
            grid->setRowMinimumHeight(row++, 8);
        grid->addWidget(Heading(text, inner), row++, 0, 1, 2);
    };
    auto addPrice = [&](const QString& text, const QString& what, PlanUnitPrice price,
                        PriceField field) {
        auto* label = new QLabel(text, inner);
        label->setWordWrap(true);
        field.edit = new QLineEdit(price ? UnitPriceText(*price) : QString(), inner);
        field.edit->setObjectName(QStringLiteral("m_pPriceEdit%1").arg(m_priceFields.size()));
        field.edit->setFixedWidth(PriceEditWidth);
        field.edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        field.edit->setPlaceholderText(tr("no price"));
        field.edit->setAccessibleName(tr("Unit price of %1").arg(what));
        // Digits and one point; whether the decimals are complete is said at OK.
        field.edit->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("\\s*[0-9]{0,10}(\\.[0-9]{0,2})?\\s*")), field.edit));
        SayRefusedInput(field.edit, UnitPriceRule());
        label->setBuddy(field.edit);
        grid->addWidget(label, row, 0);
        grid->addWidget(field.edit, row++, 1);
        field.message = MessageLabel(inner, field.edit->objectName() + QStringLiteral("Message"));
        grid->addWidget(field.message, row++, 0, 1, 2);
        m_priceFields.push_back(field);
    };
    const auto priceOf = [](const auto& prices, const auto& key) {
        const auto it = prices.find(key);
        return it == prices.end() ? PlanUnitPrice() : PlanUnitPrice(it->second);
    };

    heading(tr("Recorders"));
    // The model "NVR Calculate" bills, then any other that has a price, so that it can be
    // cleared.
    QStringList models;
    CalNVRInfo known;
    if (FindModelByName(plan.models, plan.nvrModel, known))
        models << plan.nvrModel;
    for (const auto& entry : plan.prices.recorders) {
        if (!models.contains(entry.first))
            models << entry.first;
    }
    for (const QString& model : models) {
        PriceField field;
        field.model = model;
        addPrice(model, model, priceOf(plan.prices.recorders, model), field);
    }

    heading(tr("Disks"));
    for (const int size : CalDiskSizesTB()) {
        PriceField field;
        field.diskTB = size;
        const QString text = tr("%1 TB disk").arg(size);
        addPrice(text, text, priceOf(plan.prices.disks, size), field);
    }

    heading(tr("Camera types of NVR Calculate"));
    for (int i = 0; i < plan.cameras.size(); ++i) {
        PriceField field;
        field.camera = i;
        const QString name = plan.cameras[i].name;
        const QString text = name.isEmpty() ? QString::number(i + 1)
                                            : QString::number(i + 1) + QLatin1Char(' ') + name;
        addPrice(text, tr("camera type %1").arg(text), plan.cameras[i].unitPrice, field);
    }
    if (plan.cameras.isEmpty())
        grid->addWidget(new QLabel(tr("The page has no camera types yet."), inner), row++, 0, 1, 2);
    grid->setRowStretch(row, 1);
    scroll->setWidget(inner);
    layout->addWidget(scroll, 1);
    return tab;
}

PlanDetails CPlanDetailsDlg::Details() const
{
    PlanDetails details;
    details.site = m_pSiteEdit->text().trimmed();
    details.customer = m_pCustomerEdit->text().trimmed();
    details.planner = m_pPlannerEdit->text().trimmed();
    QString notes = NormalizedNotes(m_pNotesEdit->toPlainText());
    while (!notes.isEmpty() && notes.back().isSpace())
        notes.chop(1);
    details.notes = notes;
    return details;
}

PlanPrices CPlanDetailsDlg::Prices() const
{
    PlanPrices prices = m_prices;
    for (const PriceField& field : m_priceFields) {
        quint64 price = 0;
        const bool given = ParseUnitPrice(field.edit->text(), &price);
        if (!field.model.isEmpty()) {
            if (given)
                prices.recorders[field.model] = price;
            else
                prices.recorders.erase(field.model);
        } else if (field.diskTB > 0) {
            if (given)
                prices.disks[field.diskTB] = price;
            else
                prices.disks.erase(field.diskTB);
        }
    }
    return prices;
}

QList<PlanUnitPrice> CPlanDetailsDlg::CameraPrices() const
{
    QList<PlanUnitPrice> prices(m_cameras);
    for (const PriceField& field : m_priceFields) {
        quint64 price = 0;
        if (field.camera >= 0 && ParseUnitPrice(field.edit->text(), &price))
            prices[field.camera] = price;
    }
    return prices;
}

QWidget* CPlanDetailsDlg::CheckDetails()
{
    const PlanDetails details = Details();
    QWidget* const fields[DetailFields] = {m_pSiteEdit, m_pCustomerEdit, m_pPlannerEdit,
                                           m_pNotesEdit};
    QWidget* first = nullptr;
    // Each field alone, so that every field out of bounds says so.
    for (int i = 0; i < DetailFields; ++i) {
        PlanDetails one;
        QString* const texts[DetailFields] = {&one.site, &one.customer, &one.planner, &one.notes};
        const QString* const given[DetailFields] = {&details.site, &details.customer,
                                                    &details.planner, &details.notes};
        *texts[i] = *given[i];
        QString why;
        if (CheckPlanDetails(one, &why) == PlanDetailsField::None) {
            m_pDetailMessages[i]->hide();
            continue;
        }
        ShowMessageLabel(m_pDetailMessages[i], why.toHtmlEscaped());
        if (!first)
            first = fields[i];
    }
    return first;
}

QWidget* CPlanDetailsDlg::CheckPrices()
{
    QWidget* first = nullptr;
    for (const PriceField& field : m_priceFields) {
        quint64 price = 0;
        if (field.edit->text().trimmed().isEmpty() || ParseUnitPrice(field.edit->text(), &price)) {
            field.message->hide();
            continue;
        }
        ShowMessageLabel(field.message, UnitPriceRule().toHtmlEscaped());
        if (!first)
            first = field.edit;
    }
    return first;
}

void CPlanDetailsDlg::accept()
{
    // Every way of accepting (OK, Return, Enter) comes here, so none skips the checks.
    m_bCheckingPrices = true;
    QWidget* wrong = CheckDetails();
    QWidget* wrongPrice = CheckPrices();
    if (!wrong)
        wrong = wrongPrice;
    if (wrong) {
        for (int tab = 0; tab < m_pTabs->count(); ++tab) {
            if (m_pTabs->widget(tab)->isAncestorOf(wrong))
                m_pTabs->setCurrentIndex(tab);
        }
        wrong->setFocus(Qt::OtherFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(wrong))
            edit->selectAll();
        auto* scroll = findChild<QScrollArea*>(QStringLiteral("m_pPriceScroll"));
        if (scroll && scroll->isAncestorOf(wrong))
            scroll->ensureWidgetVisible(wrong);
        return;
    }
    CBaseDialog::accept();
}
