// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/clientconfigmanager.h"

#include "app/noltguard.h"

#include <QBuffer>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>
#include <memory>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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

// The file's bytes, as a text-mode read gives them, or false when it is not a regular file
// of at most MaxFileBytes. The file is opened without waiting, so a named pipe in its place
// is refused instead of blocking start-up, and its type and size are taken from the opened
// file itself, so it cannot be swapped between the test and the reading.
static bool ReadBounded(const QString& path, QByteArray& bytes)
{
    QFile file;
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        info.st_size > ClientConfigManager::MaxFileBytes) {
        ::close(fd);
        return false;
    }
    const qint64 size = info.st_size;
    if (!file.open(fd, QIODevice::ReadOnly | QIODevice::Text, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
#else
    const QFileInfo info(path);
    const qint64 size = info.size();
    if (!info.isFile() || size > ClientConfigManager::MaxFileBytes)
        return false;
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
#endif
    // The file may have grown since it was measured: read on, but never past the bound.
    bytes = file.read(qMin(size, ClientConfigManager::MaxFileBytes) + 1);
    while (bytes.size() <= ClientConfigManager::MaxFileBytes && !file.atEnd()) {
        const QByteArray piece = file.read(64 * 1024);
        if (piece.isEmpty())
            break;
        bytes += piece;
    }
    return bytes.size() <= ClientConfigManager::MaxFileBytes;
}

bool ClientConfigManager::LoadConfig(const QString& path)
{
    QByteArray bytes;
    if (!ReadBounded(path, bytes)) {
        qDebug() << "No file to read...";
        return false;
    }
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);

    QXmlStreamReader reader(&buffer);
    const char* leftOut = nullptr;
    // The file never needs a document type declaration, and a declared entity is the way to
    // make a small file expand into gigabytes: nothing from one on is read, wherever it
    // stands (the stream reader accepts one even inside an element).
    const auto next = [&reader, &leftOut]() {
        reader.readNext();
        if (reader.tokenType() != QXmlStreamReader::DTD)
            return true;
        leftOut = "everything from its document type declaration on";
        return false;
    };
    int entries = 0;
    bool stop = false;
    while (!stop && !reader.atEnd()) {
        if (!next())
            break;
        if (!reader.isStartElement())
            continue;
        const QString name = reader.name().toString();
        if (name == QLatin1String("Configs"))
            continue;
        if (entries == MaxEntries) {
            leftOut = "the entries after the first 256";
            break;
        }

        auto* config = new ClientConfig;
        config->SetName(name);
        if (name == ElementName(Translator) || name == ElementName(LogLevel) ||
            name == ElementName(VersionType)) {
            // A key element without a Value of its own takes the next Value in the document.
            while (!reader.atEnd()) {
                if (!next()) {
                    stop = true;
                    break;
                }
                if (reader.isStartElement() && reader.name() == QLatin1String("Value")) {
                    const QString value = reader.readElementText();
                    if (value.size() <= MaxValueChars) {
                        config->SetValue(value);
                    } else {
                        config->SetValue(QString());
                        leftOut = "a Value longer than 1024 characters";
                    }
                }
                if (reader.isEndElement() && reader.name() == QLatin1String("Value"))
                    break;
            }
        }
        // Like the entries before an XML error, the entry in reading when it stopped stays.
        m_configs.push_back(config);
        ++entries;
    }
    if (leftOut)
        qDebug().nospace() << "Not read from " << path << ": " << leftOut;
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
