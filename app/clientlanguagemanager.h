#ifndef CLIENTLANGUAGEMANAGER_H
#define CLIENTLANGUAGEMANAGER_H

#include <QLocale>
#include <QPointer>
#include <QTranslator>
#include <memory>
#include <vector>

// Interim language list: a single English entry with empty translators, so start-up can
// install "the current language" before the translation files exist.

class ClientLanguageProperty
{
public:
    virtual ~ClientLanguageProperty();

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
    QPointer<QTranslator> m_appTranslator;
    QPointer<QTranslator> m_qtTranslator;
};

class ClientLanguageManager
{
public:
    static ClientLanguageManager* GetInstance();
    ~ClientLanguageManager();

    ClientLanguageProperty* FindLanguage(int language) const;
    ClientLanguageProperty* GetCurrentLanguage() const;

private:
    ClientLanguageManager();
    std::vector<ClientLanguageProperty*> m_languages;
};

#endif
