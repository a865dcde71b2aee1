// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ctesselapplication.h"

#include "app/clientconfigmanager.h"
#include "app/clientlanguagemanager.h"
#include "app/ctesselstyle.h"
#include "app/installpaths.h"
#include "app/startuplog.h"
#include "ui/ccorvane.h"
#include "util/helpers.h"
#include "widgets/calendar/cuilocale.h"
#include "widgets/controls/ctooltip.h"
#include "widgets/dialogs/cwarndlg.h"

#include <corvaneversion.h>

#include <QDebug>
#include <QFile>
#include <QFontDatabase>
#include <QScreen>

Q_LOGGING_CATEGORY(lcStartup, "corvane.startup", QtInfoMsg)

CTesselApplication::CTesselApplication(int& argc, char** argv, const QString& key)
    : QApplication(argc, argv), m_key(key)
{
    StartWarmUp();
    // Every picture of the style is looked up in the toolkit's cache by its file's time, in
    // local time; without TZ the C library reads the zone file again for each of them
    // (thousands while a plan's records are built). The same zone, named, is read once.
    if (!qEnvironmentVariableIsSet("TZ"))
        qputenv("TZ", ":/etc/localtime");
    // The names the desktop and QStandardPaths know the program by; set before anything
    // looks up a file.
    QCoreApplication::setApplicationName(QStringLiteral("corvane"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CORVANE_VERSION));
    QCoreApplication::setOrganizationDomain(QStringLiteral("corvane.org"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.corvane.Corvane"));
    setQuitOnLastWindowClosed(false);
    InitFont();
    InitStyle();
    InitEnvironment();
    InitSingleInstance();
}

CTesselApplication::~CTesselApplication()
{
    if (m_warmUp.joinable())
        m_warmUp.join();
    ClientConfigManager::GetInstance()->ClearConfigs();
}

void CTesselApplication::StartWarmUp()
{
    // The first window's text needs the font list, which takes the font configuration to be
    // read, and the window needs the program icon; a second core reads both while this one
    // builds the window. Both are thread-safe, and whoever needs one first waits for it.
    m_warmUp = std::thread([] {
        QFontDatabase::families();
        ReadProgramIcon();
    });
}

void CTesselApplication::UseProgramIcon()
{
    QGuiApplication::setWindowIcon(ProgramIcon());
}

void CTesselApplication::InitFont()
{
    QFont font(QStringLiteral("Arial"), 9);
    font.setStyleHint(QFont::SansSerif, QFont::PreferAntialias);
    QApplication::setFont(font);
}

void CTesselApplication::InitStyle()
{
    QApplication::setStyle(new CTesselStyle);
    QFile file(QStringLiteral(":/qss/Corvane.qss"));
    if (file.open(QIODevice::ReadOnly))
        setStyleSheet(ScaleBorderImageCuts(QString::fromLatin1(file.readAll())));
}

void CTesselApplication::InitEnvironment()
{
    QCoreApplication::addLibraryPath(
        QStringLiteral("%1%2plugins")
            .arg(QCoreApplication::applicationDirPath(), QStringLiteral("/")));

    const QString setup = FindSetupFile(GetAppDirPath(), ConfigDirs());
    const bool configured = ClientConfigManager::GetInstance()->LoadConfig(setup);
    ClientLanguageManager* languages = ClientLanguageManager::GetInstance();
    // Without any Setup.xml the interface speaks the user's language where it can, rather
    // than always English: an installed program has no file beside it to choose with.
    if (!configured)
        languages->SetTranslatorOverride(TranslatorForLanguages(QLocale::system().uiLanguages()));
    ClientLanguageProperty* language = languages->GetCurrentLanguage();
    qCInfo(lcStartup).noquote() << "configuration" << (configured ? setup : QStringLiteral("none"))
                                << "language" << language->GetLanguage() << "translations"
                                << languages->Dir() + QStringLiteral("translations");
    QCoreApplication::installTranslator(language->GetAppTranslator());
    QCoreApplication::installTranslator(language->GetQtTranslator());
    // The date widgets live below this layer and reach the language list through this hook.
    CUiLocale::SetProvider([]() -> std::optional<QLocale> {
        const ClientLanguageProperty* current =
            ClientLanguageManager::GetInstance()->GetCurrentLanguage();
        if (!current)
            return std::nullopt;
        return current->GetLocale();
    });

    QFont tipFont = QApplication::font();
    tipFont.setPointSize(10);
    CToolTip::SetTipFont(tipFont);
}

void CTesselApplication::InitSingleInstance()
{
    // On Linux a segment outlives a process that crashed. Attaching and detaching a
    // throw-away handle removes such a segment when nobody is attached to it any more,
    // while a live instance stays attached and keeps its segment.
    {
        QSharedMemory stale(m_key);
        if (stale.attach(QSharedMemory::ReadWrite))
            stale.detach();
    }

    m_sharedMemory.setKey(m_key);
    if (m_sharedMemory.attach(QSharedMemory::ReadWrite)) {
        m_bAlreadyRunning = true;
        return;
    }
    m_bAlreadyRunning = false;
    if (!m_sharedMemory.create(1, QSharedMemory::ReadWrite))
        qDebug() << "Unable to create single instance.";
}

bool CTesselApplication::IsAlreadyRunning()
{
    if (!m_bAlreadyRunning)
        return false;
    qCInfo(lcStartup) << "refused: already running";
    UseProgramIcon();
    CWarnDlg dlg(nullptr);
    dlg.ExecWarn(tr("Corvane"), tr("Software is already running."));
    return true;
}

bool CTesselApplication::IsScreenTooSmall(const QSize& available)
{
    const QSize least = CCorvane::LeastSize();
    return !available.isValid() || available.width() < least.width() ||
           available.height() < least.height();
}

bool CTesselApplication::IsResolutionTooLow()
{
    // The window can shrink to its least size, so what counts is the room left beside
    // panels and task bars, in the logical pixels the window is laid out in.
    QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->availableGeometry().size() : QSize();
    if (!IsScreenTooSmall(size))
        return false;
    const QSize least = CCorvane::LeastSize();
    qCInfo(lcStartup) << "refused: screen" << size.width() << "x" << size.height() << "needs"
                      << least.width() << "x" << least.height();
    UseProgramIcon();
    CWarnDlg dlg(nullptr);
    dlg.ExecWarn(tr("Corvane"),
                 tr("The least resolution is %1*%2.").arg(least.width()).arg(least.height()));
    return true;
}
