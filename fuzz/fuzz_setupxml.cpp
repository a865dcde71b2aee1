// SPDX-License-Identifier: GPL-3.0-or-later
// The Setup.xml reader on any file: it reads it from disk as start-up does, and whatever the
// bytes, keeps within its bounds and never lets a declared entity grow a value.

#include "app/clientconfigmanager.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

static QString g_path;

static void Expect(bool holds, const char* property)
{
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
}

static void Quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // The reader's debug lines would cost more than the reading.
    qInstallMessageHandler(Quiet);
    // Memory-backed when possible: the file is rewritten for every input.
    const QString dir =
        QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    g_path = QStringLiteral("%1/corvane-fuzz-setup-%2.xml").arg(dir).arg(::getpid());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    {
        QFile file(g_path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }

    ClientConfigManager* store = ClientConfigManager::GetInstance();
    store->ClearConfigs();
    const bool opened = store->LoadConfig(g_path);
    Expect(opened == (qint64(size) <= ClientConfigManager::MaxFileBytes),
           "a regular file within the size bound is read");

    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    Expect(store->Count() <= ClientConfigManager::MaxEntries, "at most MaxEntries entries");
    // Every element gives at most one entry, and each needs a "<" of its own: no entity
    // brings in elements.
    Expect(store->Count() <= bytes.count('<'), "no entry without an element");
    for (int i = 0; i < store->Count(); ++i) {
        const ClientConfig* config = store->At(i);
        Expect(config->GetValue().size() <= ClientConfigManager::MaxValueChars,
               "no value longer than MaxValueChars");
        Expect(!config->GetName().isEmpty(), "every entry has its element's name");
    }
    // The file's bytes bound every value: no expansion beyond what the text spells out.
    for (int i = 0; i < store->Count(); ++i)
        Expect(store->At(i)->GetValue().size() <= qsizetype(size), "no value longer than the file");
    store->ClearConfigs();
    return 0;
}
