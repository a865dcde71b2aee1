// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CLIENTCONFIGMANAGER_H
#define CLIENTCONFIGMANAGER_H

#include <QString>
#include <vector>

// The settings read from "Setup.xml" beside the executable: loaded once at start-up, never
// written. Every setting defaults to 0 when it is missing or not a number.

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
    ClientConfigManager(const ClientConfigManager&) = delete;
    ClientConfigManager& operator=(const ClientConfigManager&) = delete;

    // The file is never trusted: only a regular file of at most MaxFileBytes is read, a
    // document type declaration ends the reading (no entity is ever expanded), at most
    // MaxEntries entries are kept and a Value longer than MaxValueChars is kept empty.
    static constexpr qint64 MaxFileBytes = 1024 * 1024;
    static constexpr int MaxEntries = 256;
    static constexpr int MaxValueChars = 1024;

    // True when the file could be opened, whatever it holds; appends to what is stored. A
    // file that is not a regular file or is larger than MaxFileBytes counts as unopened.
    bool LoadConfig(const QString& path);
    // The first entry, in document order, for that key; null when there is none.
    ClientConfig* FindConfig(ConfigKey key) const;
    void ClearConfigs();

    // The setting's value as a base-10 integer; 0 when missing or not a number.
    int IntValue(ConfigKey key) const;

    int Count() const { return int(m_configs.size()); }
    const ClientConfig* At(int index) const { return m_configs.at(index); }

private:
    ClientConfigManager() = default;
    std::vector<ClientConfig*> m_configs;
};

#endif
