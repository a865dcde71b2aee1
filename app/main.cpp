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
        qCInfo(lcStartup) << "main window shown";
        result = app.exec();
    }
    return result;
}
