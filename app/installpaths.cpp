// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/installpaths.h"

#include <corvanepaths.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

static QString WithSlash(const QString& dir)
{
    return dir.endsWith(QLatin1Char('/')) ? dir : dir + QLatin1Char('/');
}

QString FindTranslationsBase(const QString& appDir, const QStringList& dataDirs)
{
    for (const QString& dir : QStringList{appDir} + dataDirs) {
        if (!dir.isEmpty() && QFileInfo(WithSlash(dir) + QStringLiteral("translations")).isDir())
            return WithSlash(dir);
    }
    return WithSlash(appDir);
}

QString FindSetupFile(const QString& appDir, const QStringList& configDirs)
{
    const QString name = QStringLiteral("Setup.xml");
    for (const QString& dir : QStringList{appDir} + configDirs) {
        if (!dir.isEmpty() && QFileInfo(WithSlash(dir) + name).isFile())
            return WithSlash(dir) + name;
    }
    return WithSlash(appDir) + name;
}

QStringList InstalledDataDirs()
{
    // Relative to the executable first: an installation under any prefix (or a staging
    // folder) finds its own data before another installation's.
    QStringList dirs{QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                                     QStringLiteral(CORVANE_DATA_FROM_BIN))};
    for (const QString& dir : QStandardPaths::standardLocations(QStandardPaths::AppDataLocation)) {
        if (!dirs.contains(dir))
            dirs << dir;
    }
    return dirs;
}

QStringList ConfigDirs()
{
    return QStandardPaths::standardLocations(QStandardPaths::AppConfigLocation);
}

int TranslatorForLanguages(const QStringList& uiLanguages)
{
    if (uiLanguages.isEmpty())
        return 0;
    const QString first = uiLanguages.first();
    return first == QLatin1String("zh") || first.startsWith(QLatin1String("zh-")) ||
                   first.startsWith(QLatin1String("zh_"))
               ? 1
               : 0;
}
