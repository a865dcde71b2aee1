// SPDX-License-Identifier: GPL-3.0-or-later
// Shows one dialog or window of the program at a time so it can be captured and looked at:
//   dialogshots main|main-full|about|warn-short|warn-long|warn-font|confirm|chase|file [movie]
// It runs with the program's own application object (style, style sheet, translations) and
// stays up until it is killed or the window is dismissed.
#include "app/ctesselapplication.h"
#include "ui/ccorvane.h"
#include "ui/cdlgabout.h"
#include "ui/cwindowtitle.h"
#include "widgets/dialogs/cfiledialog.h"
#include "widgets/dialogs/chasedialog.h"
#include "widgets/dialogs/cwarndlg.h"

#include <QDir>
#include <QMouseEvent>
#include <QTextStream>
#include <QTimer>

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
    QTextStream(stderr)
        << "usage: dialogshots main|main-full|about|warn-short|warn-long|warn-font|confirm|"
           "chase|file [movie]\n";
    return 2;
}
