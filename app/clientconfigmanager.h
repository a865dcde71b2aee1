#ifndef CLIENTCONFIGMANAGER_H
#define CLIENTCONFIGMANAGER_H

#include <QString>
#include <memory>
#include <vector>

// Interim configuration store: it keeps the interface start-up and the language list use,
// but reads nothing yet, so every setting is at its default.

enum ConfigKey
{
    Translator = 0,
    LogLevel = 1,
    VersionType = 2
};

class ClientConfig
{
public:
    virtual ~ClientConfig() = default;
    void SetName(const QString& name) { m_name = name; }
    void SetValue(const QString& value) { m_value = value; }
    QString GetName() const { return m_name; }
    QString GetValue() const { return m_value; }

private:
    QString m_name;
    QString m_value;
};

class ClientConfigManager
{
public:
    static ClientConfigManager* GetInstance();
    ~ClientConfigManager();

    bool LoadConfig(const QString& path);
    ClientConfig* FindConfig(ConfigKey key) const;
    void ClearConfigs();

private:
    ClientConfigManager() = default;
    std::vector<ClientConfig*> m_configs;
};

#endif
