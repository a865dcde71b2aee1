#include "app/clientconfigmanager.h"

#include "app/noltguard.h"

ClientConfigManager* ClientConfigManager::GetInstance()
{
    static std::unique_ptr<ClientConfigManager> holder;
    static Nolt_Mutex mutex;
    if (!holder) {
        Nolt_Guard guard(&mutex);
        if (!holder)
            holder.reset(new ClientConfigManager);
    }
    return holder.get();
}

ClientConfigManager::~ClientConfigManager()
{
    ClearConfigs();
}

bool ClientConfigManager::LoadConfig(const QString& path)
{
    Q_UNUSED(path);
    return false;
}

ClientConfig* ClientConfigManager::FindConfig(ConfigKey key) const
{
    Q_UNUSED(key);
    return nullptr;
}

void ClientConfigManager::ClearConfigs()
{
    for (ClientConfig* config : m_configs)
        delete config;
    m_configs.clear();
}
