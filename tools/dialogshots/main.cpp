// SPDX-License-Identifier: GPL-3.0-or-later
// Shows one dialog or window of the program at a time so it can be captured and looked at:
//   dialogshots main|main-full|about|warn-short|warn-long|warn-font|confirm|chase|file|models|
//               model-edit|model-refused|model-in-use [movie]
// It runs with the program's own application object (style, style sheet, translations) and
// stays up until it is killed or the window is dismissed.
#include "app/ctesselapplication.h"
#include "engine/nvrcatalogue.h"
#include "ui/ccorvane.h"
#include "ui/cdlgabout.h"
#include "ui/crecordermodelsdlg.h"
#include "ui/cwindowtitle.h"
#include "widgets/dialogs/cfiledialog.h"
#include "widgets/dialogs/chasedialog.h"
#include "widgets/dialogs/cwarndlg.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QDir>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTextStream>
#include <QTimer>
#include <tuple>

int main(int argc, char** argv)
{
    CTesselApplication app(argc, argv, QStringLiteral("CorvaneDialogShots"));
    const QStringList args = QCoreApplication::arguments();
    const QString what = args.value(1);

    if (what == QLatin1String("main")) {
        CCorvane window;
        window.show();
        return app.exec();
    }
    if (what == QLatin1String("main-full")) {
        // A double click on the title bar, as the user gives it.
        CCorvane window;
        window.show();
        QTimer::singleShot(300, &window, [&window] {
            QWidget* bar = window.WindowTitle();
            const QPointF at(200, 10);
            QMouseEvent press(QEvent::MouseButtonDblClick, at, bar->mapToGlobal(at), Qt::LeftButton,
                              Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(bar, &press);
        });
        return app.exec();
    }
    if (what == QLatin1String("confirm")) {
        CCorvane window;
        window.show();
        QTimer::singleShot(300, &window, [&window] { window.close(); });
        return app.exec();
    }
    if (what == QLatin1String("about")) {
        CDlgAbout dlg(nullptr);
        return dlg.exec();
    }
    if (what == QLatin1String("warn-short")) {
        CWarnDlg dlg(nullptr);
        return dlg.ExecWarn(QStringLiteral("Corvane"),
                            QStringLiteral("Software is already running."));
    }
    if (what == QLatin1String("warn-long")) {
        CWarnDlg dlg(nullptr);
        QString text;
        for (int i = 0; i < 14; ++i)
            text += QStringLiteral("The total bandwidth of the cameras exceeds what the chosen "
                                   "recorder can take. ");
        return dlg.ExecWarn(QStringLiteral("Error"), text);
    }
    if (what == QLatin1String("warn-font")) {
        CWarnDlg dlg(nullptr);
        return dlg.ExecWarn(QStringLiteral("Error"),
                            QStringLiteral("<font color=red>The bit rate is not valid.</font>"));
    }
    if (what == QLatin1String("chase")) {
        ChaseDialog dlg(nullptr, args.value(2, QStringLiteral(":/images/Loading.gif")),
                        QStringLiteral("Calculation..."), false);
        return dlg.exec();
    }
    if (what == QLatin1String("file")) {
        QString filter = QStringLiteral("Text files (*.txt)");
        const QString chosen = CFileDialog::GetOpenFileName(
            nullptr, QStringLiteral("Open a camera list"), QDir::currentPath(),
            QStringLiteral("Text files (*.txt);;All files (*)"), &filter);
        QTextStream(stdout) << chosen << '\n';
        return 0;
    }
    if (what.startsWith(QLatin1String("model"))) {
        // A plan with models of its own, the pages using one of them.
        InitNVRTypeTable();
        CalModelList own;
        for (const auto& [name, kbps, channels, disabled, bays, disk] :
             {std::tuple{"Site-64", 163840, 64, 16, 8, 20},
              std::tuple{"Lobby-8", 20480, 8, 0, 0, 0}, std::tuple{"Gate-4", 6000, 4, 4, 1, 0}}) {
            CalNVRInfo model(0, QLatin1String(name), channels, disabled, kbps);
            model.bays = bays;
            model.largestDiskTB = disk;
            own.push_back(model);
        }
        CRecorderModelsDlg dlg(own, {QStringLiteral("Lobby-8")});
        // model-edit: the form on the first own model; model-refused: a new model the form
        // refuses; model-in-use: the refusal to remove the model in use.
        QTimer::singleShot(300, &dlg, [&dlg, what] {
            const char* button = nullptr;
            if (what == QLatin1String("model-edit"))
                button = "m_pEditBtn";
            else if (what == QLatin1String("model-refused"))
                button = "m_pAddBtn";
            else if (what == QLatin1String("model-in-use"))
                button = "m_pRemoveBtn";
            if (!button)
                return;
            if (what == QLatin1String("model-in-use")) {
                auto* table = dlg.findChild<QAbstractItemView*>(QStringLiteral("m_pModelTable"));
                table->setCurrentIndex(table->model()->index(int(NVRTypeList.size()) + 1, 0));
            }
            dlg.findChild<QAbstractButton*>(QLatin1String(button))->click();
        });
        QTimer::singleShot(600, &dlg, [what] {
            QWidget* form = QApplication::activeModalWidget();
            if (!form || what != QLatin1String("model-refused"))
                return;
            form->findChild<QLineEdit*>(QStringLiteral("m_pNameEdit"))
                ->setText(QStringLiteral("nr-k16y"));
            form->findChild<QLineEdit*>(QStringLiteral("m_pBandwidthEdit"))
                ->setText(QStringLiteral("80"));
            form->findChild<QLineEdit*>(QStringLiteral("m_pChannelsEdit"))
                ->setText(QStringLiteral("16"));
            form->findChild<QAbstractButton*>(QStringLiteral("pOkBtn"))->click();
        });
        return dlg.exec();
    }
    QTextStream(stderr)
        << "usage: dialogshots main|main-full|about|warn-short|warn-long|warn-font|confirm|"
           "chase|file|models|model-edit|model-refused|model-in-use [movie]\n";
    return 2;
}
