// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue reader on any bytes, as JSON or CSV: it either refuses with a message or
// returns models that each pass the model checks, within the count bound, and that survive an
// export and an import in either form unchanged.

#include "engine/nvrcatalogue.h"
#include "plan/catalogue.h"

#include <QByteArray>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

static void Expect(bool holds, const char* property)
{
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    InitNVRTypeTable();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const CatalogueReadResult read = ParseCatalogue(bytes);
    if (!read.ok) {
        Expect(!read.error.isEmpty(), "a refusal says why");
        Expect(read.models.empty(), "a refused catalogue brings no models");
        return 0;
    }
    Expect(read.error.isEmpty(), "an accepted catalogue carries no message");
    Expect(read.models.size() <= std::size_t(CalMaxOwnModels), "models bounded");
    CalModelList before;
    for (const CalNVRInfo& model : read.models) {
        Expect(CheckModel(model, before) == CalModelField::None, "every model passes the checks");
        before.push_back(model);
    }
    for (const QByteArray& saved :
         {SerializeCatalogue(read.models), SerializeCatalogueCsv(read.models)}) {
        const CatalogueReadResult again = ParseCatalogue(saved);
        Expect(again.ok, "an exported catalogue imports again");
        Expect(again.models == read.models, "an exported catalogue imports unchanged");
    }
    return 0;
}
