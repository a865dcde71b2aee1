#include "app/clientconfigmanager.h"

#include "app/noltguard.h"

#include <QDebug>
#include <QFile>
#include <QXmlStreamReader>
#include <memory>

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

static QString ElementName(ConfigKey key)
{
    switch (key) {
    case Translator:
        return QStringLiteral("Translator");
    case LogLevel:
        return QStringLiteral("LogLevel");
    case VersionType:
        return QStringLiteral("VersionType");
    }
    return QString();
}

bool ClientConfigManager::LoadConfig(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qDebug() << "No file to read...";
        return false;
    }

    QXmlStreamReader reader(&file);
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement())
            continue;
        const QString name = reader.name().toString();
        if (name == QLatin1String("Configs"))
            continue;

        auto* config = new ClientConfig;
        config->SetName(name);
        if (name == ElementName(Translator) || name == ElementName(LogLevel) ||
            name == ElementName(VersionType)) {
            // A key element without a Value of its own takes the next Value in the document.
            while (!reader.atEnd()) {
                reader.readNext();
                if (reader.isStartElement() && reader.name() == QLatin1String("Value"))
                    config->SetValue(reader.readElementText());
                if (reader.isEndElement() && reader.name() == QLatin1String("Value"))
                    break;
            }
        }
        m_configs.push_back(config);
    }
    file.close();
    return true;
}

ClientConfig* ClientConfigManager::FindConfig(ConfigKey key) const
{
    const QString name = ElementName(key);
    if (name.isEmpty())
        return nullptr;
    for (ClientConfig* config : m_configs) {
        if (config->GetName() == name)
            return config;
    }
    return nullptr;
}

int ClientConfigManager::IntValue(ConfigKey key) const
{
    const ClientConfig* config = FindConfig(key);
    return config ? config->GetValue().toInt(nullptr, 10) : 0;
}

void ClientConfigManager::ClearConfigs()
{
    for (ClientConfig* config : m_configs)
        delete config;
    m_configs.clear();
}
