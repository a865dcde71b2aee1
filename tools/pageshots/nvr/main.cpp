// SPDX-License-Identifier: GPL-3.0-or-later
// Opens the program's main window on the "NVR Calculate" page, enters camera types the way
// a user does (clicking the add prompt, choosing bit rates, typing counts), picks a recorder
// model and presses the calculate button; then it stays up to be captured:
//   pageshot-nvr [--model NAME] [--camera FIRST,SECOND,COUNT]...
// Without cameras it enters 4096+1024 x 3, 1024+0 x 10 and 2048+512 x 7 on NR-A8V.
#include "app/ctesselapplication.h"
#include "pages/cdlgcalnvrnum.h"
#include "ui/ccorvane.h"
#include "widgets/itemviews/ctableview.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextStream>
#include <QTimer>

namespace {

struct Camera
{
    QString first;
    QString second;
    QString count;
};

void Click(QWidget* target, const QPoint& at)
{
    const QPointF local(at);
    const QPointF global(target->mapToGlobal(at));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(target, &release);
}

// The bit-rate item whose text starts with the number, as a user picks it from the list.
void Choose(QComboBox* combo, const QString& kbps)
{
    for (int i = 0; i < combo->count(); ++i) {
        const QString text = combo->itemText(i);
        if (text == kbps || text.startsWith(kbps + QLatin1Char('('))) {
            combo->setCurrentIndex(i);
            return;
        }
    }
    combo->setEditText(kbps);
}

} // namespace

int main(int argc, char** argv)
{
    CTesselApplication app(argc, argv, QStringLiteral("CorvanePageShotNVR"));
    QString model = QStringLiteral("NR-A8V");
    QList<Camera> cameras;
    const QStringList args = QCoreApplication::arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args.at(i) == QLatin1String("--model")) {
            model = args.at(i + 1);
        } else if (args.at(i) == QLatin1String("--camera")) {
            const QStringList parts = args.at(i + 1).split(QLatin1Char(','));
            if (parts.size() != 3) {
                QTextStream(stderr) << "a camera is FIRST,SECOND,COUNT\n";
                return 2;
            }
            cameras.append({parts.at(0), parts.at(1), parts.at(2)});
        }
    }
    if (cameras.isEmpty())
        cameras = {{QStringLiteral("4096"), QStringLiteral("1024"), QStringLiteral("3")},
                   {QStringLiteral("1024"), QStringLiteral("0"), QStringLiteral("10")},
                   {QStringLiteral("2048"), QStringLiteral("512"), QStringLiteral("7")}};

    CCorvane window;
    window.show();
    QTimer::singleShot(500, &window, [&window, &model, &cameras] {
        // Both pages name their table alike: look only inside the NVR page.
        QWidget* page = window.NVRPage();
        auto* table = page->findChild<CTableView*>(QStringLiteral("m_pIPCTableView"));
        auto* nvrCombo = page->findChild<QComboBox*>(QStringLiteral("m_pNVRCombo"));
        auto* button = page->findChild<QPushButton*>(QStringLiteral("m_pCalNVRNumButton"));
        if (!table || !nvrCombo || !button) {
            QTextStream(stderr) << "the NVR Calculate page is not there\n";
            QCoreApplication::exit(1);
            return;
        }
        nvrCombo->setCurrentIndex(nvrCombo->findText(model));
        for (int row = 0; row < cameras.size(); ++row) {
            const QRect cell = table->visualRect(table->GetIndex(row, 0));
            Click(table->viewport(), cell.center());
            Choose(qobject_cast<QComboBox*>(table->GetCellWidget(row, 1)), cameras[row].first);
            Choose(qobject_cast<QComboBox*>(table->GetCellWidget(row, 2)), cameras[row].second);
            if (auto* count = qobject_cast<QLineEdit*>(table->GetCellWidget(row, 3)))
                count->setText(cameras[row].count);
        }
        table->clearSelection();
        // The button's click blocks in the wait dialog; let this timer return first.
        QTimer::singleShot(0, button, [button] { Click(button, button->rect().center()); });
    });
    return app.exec();
}
