// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/clientlanguagemanager.h"

#include "app/clientconfigmanager.h"
#include "app/installpaths.h"
#include "app/noltguard.h"
#include "util/helpers.h"

#include <memory>

ClientLanguageProperty::~ClientLanguageProperty()
{
    delete m_appTranslator.data();
    delete m_qtTranslator.data();
}

ClientLanguageManager* ClientLanguageManager::GetInstance()
{
    static std::unique_ptr<ClientLanguageManager> holder;
    static Nolt_Mutex mutex;
    if (!holder) {
        Nolt_Guard guard(&mutex);
        if (!holder)
            holder.reset(new ClientLanguageManager(
                FindTranslationsBase(GetAppDirPath(), InstalledDataDirs())));
    }
    return holder.get();
}

ClientLanguageManager::ClientLanguageManager(const QString& dir) : m_dir(dir)
{
    for (int language = 0; language < 4; ++language)
        AddLanguage(language);
}

ClientLanguageManager::~ClientLanguageManager()
{
    for (ClientLanguageProperty* language : m_languages)
        delete language;
}

bool ClientLanguageManager::AddLanguage(int language)
{
    auto* entry = new ClientLanguageProperty;
    entry->SetLanguage(language);
    auto* appTranslator = new QTranslator;
    auto* qtTranslator = new QTranslator;
    entry->SetAppTranslator(appTranslator);
    entry->SetQtTranslator(qtTranslator);

    bool qualifies = false;
    if (language == 1 || language == 3) {
        if (appTranslator->load(m_dir + QStringLiteral("translations/corvane_zh.qm")))
            qualifies = qtTranslator->load(m_dir + QStringLiteral("translations/qt_zh_CN.qm"));
        entry->SetLocale(QLocale(QLocale::Chinese, QLocale::China));
    } else if (language == 0 || language == 2) {
        // Missing English catalogues only mean untranslated source texts.
        (void)appTranslator->load(m_dir + QStringLiteral("translations/corvane_en.qm"));
        (void)qtTranslator->load(m_dir + QStringLiteral("translations/qt_en_CN.qm"));
        entry->SetLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        qualifies = true;
    }

    if (!qualifies) {
        delete entry;
        return false;
    }
    m_languages.push_back(entry);
    return true;
}

ClientLanguageProperty* ClientLanguageManager::FindLanguage(int language) const
{
    for (ClientLanguageProperty* entry : m_languages) {
        if (entry->GetLanguage() == language)
            return entry;
    }
    return nullptr;
}

int ClientLanguageManager::LanguageIndex(int translator, int versionType)
{
    if (translator == 0)
        return versionType != 0 ? 0 : 2;
    if (translator == 1)
        return versionType != 0 ? 1 : 3;
    return translator;
}

ClientLanguageProperty* ClientLanguageManager::GetCurrentLanguage() const
{
    const ClientConfigManager* config = ClientConfigManager::GetInstance();
    const int translator =
        m_translatorOverride >= 0 ? m_translatorOverride : config->IntValue(Translator);
    const int index = LanguageIndex(translator, config->IntValue(VersionType));
    if (ClientLanguageProperty* entry = FindLanguage(index))
        return entry;
    return FindLanguage(0);
}
