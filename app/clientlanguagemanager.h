// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CLIENTLANGUAGEMANAGER_H
#define CLIENTLANGUAGEMANAGER_H

#include <QLocale>
#include <QPointer>
#include <QString>
#include <QTranslator>
#include <vector>

// The languages the interface can be shown in. Entries 0 and 2 are English and always
// present; 1 and 3 are Chinese and present only when both Chinese catalogues load. The
// configuration picks one at start-up; it cannot change while the program runs.

class ClientLanguageProperty
{
public:
    ClientLanguageProperty() = default;
    virtual ~ClientLanguageProperty();
    ClientLanguageProperty(const ClientLanguageProperty&) = delete;
    ClientLanguageProperty& operator=(const ClientLanguageProperty&) = delete;

    void SetLanguage(int language) { m_language = language; }
    int GetLanguage() const { return m_language; }
    void SetLocale(const QLocale& locale) { m_locale = locale; }
    QLocale GetLocale() const { return m_locale; }
    void SetAppTranslator(QTranslator* translator) { m_appTranslator = translator; }
    void SetQtTranslator(QTranslator* translator) { m_qtTranslator = translator; }
    QTranslator* GetAppTranslator() const { return m_appTranslator; }
    QTranslator* GetQtTranslator() const { return m_qtTranslator; }

private:
    int m_language = -1;
    QLocale m_locale;
    // Owned; guarded so a translator deleted elsewhere is not deleted twice.
    QPointer<QTranslator> m_appTranslator;
    QPointer<QTranslator> m_qtTranslator;
};

class ClientLanguageManager
{
public:
    static ClientLanguageManager* GetInstance();

    // Builds the four entries from the catalogues in `dir`/translations/ (`dir` ends in "/").
    explicit ClientLanguageManager(const QString& dir);
    ~ClientLanguageManager();
    ClientLanguageManager(const ClientLanguageManager&) = delete;
    ClientLanguageManager& operator=(const ClientLanguageManager&) = delete;

    bool AddLanguage(int language);
    ClientLanguageProperty* FindLanguage(int language) const;
    // The entry the configuration chooses; entry 0 when that one is not present.
    ClientLanguageProperty* GetCurrentLanguage() const;
    // A Translator value that takes the place of the configuration's; start-up sets it from
    // the system's locale when there is no Setup.xml at all. -1 (the default) clears it.
    void SetTranslatorOverride(int translator) { m_translatorOverride = translator; }

    // Which entry a Translator setting t and a VersionType setting v choose.
    static int LanguageIndex(int translator, int versionType);

    int Count() const { return int(m_languages.size()); }
    // The folder (ending in "/") whose translations/ the entries were loaded from.
    QString Dir() const { return m_dir; }

private:
    QString m_dir;
    int m_translatorOverride = -1;
    std::vector<ClientLanguageProperty*> m_languages;
};

#endif
