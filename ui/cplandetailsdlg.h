// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CPLANDETAILSDLG_H
#define CPLANDETAILSDLG_H

#include "plan/planfile.h"
#include "widgets/dialogs/cbasedialog.h"

#include <QList>
#include <QString>
#include <vector>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTabWidget;

// "Plan Details": who and what the plan is for (site, customer, planner, notes), and the unit
// prices its bill of materials is priced with: the recorder model "NVR Calculate" uses (and
// any other model already priced), every disk size offered and each camera type of that page.
// Nothing reaches the plan until the caller takes Details(), Prices() and CameraPrices() after
// an accepted exec(). A field out of bounds is said under it and keeps OK from accepting;
// Escape cancels.
class CPlanDetailsDlg : public CBaseDialog
{
    Q_OBJECT

public:
    explicit CPlanDetailsDlg(const CorvanePlan& plan, QWidget* parent = nullptr);

    // The one-line fields without spaces at either end, the notes' line breaks as '\n' and
    // without trailing white space.
    PlanDetails Details() const;
    // The plan's prices with those of the listed models and disks as the fields hold them (an
    // empty field is no price).
    PlanPrices Prices() const;
    // One for each camera record, in order.
    QList<PlanUnitPrice> CameraPrices() const;

public slots:
    void accept() override;

private:
    struct PriceField
    {
        QLineEdit* edit = nullptr;
        QLabel* message = nullptr;
        QString model;   // a recorder model's price
        int diskTB = 0;  // a disk size's
        int camera = -1; // a camera record's index
    };

    QWidget* MakeDetailsTab(const PlanDetails& details);
    QWidget* MakePricesTab(const CorvanePlan& plan);
    // Shows or hides the message under each field; the first field out of bounds, or none.
    QWidget* CheckDetails();
    QWidget* CheckPrices();

    PlanPrices m_prices;
    int m_cameras = 0;
    // Once OK has been refused for a price, its message follows every change: a price being
    // typed ("12.") is not refused before.
    bool m_bCheckingPrices = false;
    QTabWidget* m_pTabs;
    QLineEdit* m_pSiteEdit;
    QLineEdit* m_pCustomerEdit;
    QLineEdit* m_pPlannerEdit;
    QPlainTextEdit* m_pNotesEdit;
    QLabel* m_pDetailMessages[4];
    std::vector<PriceField> m_priceFields;
};

#endif
