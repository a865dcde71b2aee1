// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ctesselapplication.h"
#include "app/firstframe.h"
#include "app/startuplog.h"
#include "ui/ccorvane.h"
#include "ui/cplancontroller.h"

#include <QTimer>

int main(int argc, char** argv)
{
    CTesselApplication app(argc, argv, QStringLiteral("Corvane"));
    if (app.IsAlreadyRunning())
        return 0;
    if (app.IsResolutionTooLow())
        return 0;

    int result = 0;
    {
        CCorvane window;
        app.UseProgramIcon();
        WhenFirstPainted(&window, [] { qCInfo(lcStartup) << "main window painted"; });
        window.show();
        // The toolkit has taken its own options out; what is left names a plan to open.
        const QStringList arguments = QCoreApplication::arguments().mid(1);
        if (!arguments.isEmpty())
            QTimer::singleShot(0, &window, [&window, arguments] {
                window.PlanController()->OpenFromCommandLine(arguments);
            });
        // With its title, so that a watcher sees which language the program chose.
        qCInfo(lcStartup).noquote() << "main window shown:" << window.windowTitle();
        result = app.exec();
    }
    return result;
}
