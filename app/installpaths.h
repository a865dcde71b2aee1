// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef INSTALLPATHS_H
#define INSTALLPATHS_H

#include <QString>
#include <QStringList>

// Where the program finds what it reads. Beside the executable comes first, so a build tree
// (or an unpacked copy) keeps working on its own; an installed program then finds its
// translations in the data folder and Setup.xml in the configuration folders.

// The folder (ending in "/") whose translations/ the language list loads: `appDir` when it
// has a translations/ folder, else the first of `dataDirs` that has one, else `appDir`.
QString FindTranslationsBase(const QString& appDir, const QStringList& dataDirs);

// Setup.xml beside the executable, else in the first of `configDirs` that holds one; when
// there is none, the name beside the executable (which then fails to open, as before).
QString FindSetupFile(const QString& appDir, const QStringList& configDirs);

// The candidates for the running program: the data folder relative to the installed
// executable, then the per-user and system data and configuration folders.
QStringList InstalledDataDirs();
QStringList ConfigDirs();

// The Translator setting that matches the user's interface languages (first preference
// wins): 1 (Chinese) for a Chinese one, 0 (English) otherwise.
int TranslatorForLanguages(const QStringList& uiLanguages);

#endif
