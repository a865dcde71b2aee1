#include "app/clientlanguagemanager.h"

#include "app/noltguard.h"

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
            holder.reset(new ClientLanguageManager);
    }
    return holder.get();
}

ClientLanguageManager::ClientLanguageManager()
{
    auto* english = new ClientLanguageProperty;
    english->SetLanguage(0);
    english->SetLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    english->SetAppTranslator(new QTranslator);
    english->SetQtTranslator(new QTranslator);
    m_languages.push_back(english);
}

ClientLanguageManager::~ClientLanguageManager()
{
    for (ClientLanguageProperty* language : m_languages)
        delete language;
}

ClientLanguageProperty* ClientLanguageManager::FindLanguage(int language) const
{
    for (ClientLanguageProperty* entry : m_languages) {
        if (entry->GetLanguage() == language)
            return entry;
    }
    return nullptr;
}

ClientLanguageProperty* ClientLanguageManager::GetCurrentLanguage() const
{
    return FindLanguage(0);
}
