// SPDX-License-Identifier: GPL-3.0-or-later
// Opens the main window and fills a calculator page the way a planner would, through the
// page's own widgets and signals, so it can be captured and looked at:
//   pageshots ipc [NAME:DISABLED=COUNT ...]
// Without records it enters NR-K16Y:4=10 NR-A8V:0=2 NR-C32V:0=1. It prints the result
// shown and stays up until it is killed or the window is closed.
#include "app/ctesselapplication.h"
#include "pages/cdlgcalipcnum.h"
#include "ui/ccorvane.h"
#include "widgets/controls/ccombobox.h"
#include "widgets/itemviews/ctableview.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextStream>
#include <QTimer>
#include <QToolButton>

namespace {

struct Record
{
    QString name;
    QString disabled;
    QString count;
};

void Click(QWidget* target, const QPoint& at)
{
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, QPointF(at), QPointF(target->mapToGlobal(at)), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }
}

bool FillIPCPage(CCorvane& window, const QList<Record>& records)
{
    window.findChild<QPushButton*>(QStringLiteral("m_pBtnCalIPCNum"))->click();
    CDlgCalIPCNum* page = window.IPCPage();
    auto* table = page->findChild<CTableView*>(QStringLiteral("m_pIPCTableView"));
    for (int row = 0; row < records.size(); ++row) {
        Click(table->viewport(), table->visualRect(table->model()->index(row, 0)).center());
        auto* type = qobject_cast<CComboBox*>(table->GetCellWidget(row, 1));
        if (!type || type->findText(records[row].name) < 0)
            return false;
        type->setCurrentIndex(type->findText(records[row].name));
        auto* channels = qobject_cast<CComboBox*>(table->GetCellWidget(row, 2));
        if (!channels || channels->findText(records[row].disabled) < 0)
            return false;
        channels->setCurrentIndex(channels->findText(records[row].disabled));
        auto* count = qobject_cast<QLineEdit*>(table->GetCellWidget(row, 3));
        count->setText(records[row].count);
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    CTesselApplication app(argc, argv, QStringLiteral("CorvanePageShots"));
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.value(0) != QLatin1String("ipc")) {
        QTextStream(stderr) << "usage: pageshots ipc [NAME:DISABLED=COUNT ...]\n";
        return 2;
    }
    args.removeFirst();
    if (args.isEmpty())
        args = QStringList{"NR-K16Y:4=10", "NR-A8V:0=2", "NR-C32V:0=1"};

    const QRegularExpression form(QStringLiteral("^([^:]+):(\\d+)=(\\d+)$"));
    QList<Record> records;
    for (const QString& arg : args) {
        const QRegularExpressionMatch match = form.match(arg);
        if (!match.hasMatch()) {
            QTextStream(stderr) << "not a record: " << arg << '\n';
            return 2;
        }
        records.append({match.captured(1), match.captured(2), match.captured(3)});
    }

    CCorvane window;
    window.show();
    QTimer::singleShot(300, &window, [&window, records] {
        if (!FillIPCPage(window, records)) {
            QTextStream(stderr) << "could not enter the records\n";
            QCoreApplication::exit(1);
            return;
        }
        QTextStream(stdout) << window.IPCPage()
                                   ->findChild<QToolButton*>(QStringLiteral("m_pResultToolButton"))
                                   ->text()
                            << Qt::endl;
    });
    return app.exec();
}
