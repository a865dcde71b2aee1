#include "app/ctesselapplication.h"
#include "app/startuplog.h"
#include "ui/ccorvane.h"

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
        window.show();
        // With its title, so that a watcher sees which language the program chose.
        qCInfo(lcStartup).noquote() << "main window shown:" << window.windowTitle();
        result = app.exec();
    }
    return result;
}
