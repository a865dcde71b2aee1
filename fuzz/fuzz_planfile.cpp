// SPDX-License-Identifier: GPL-3.0-or-later
// The plan-file reader on any bytes: it either refuses with a message or returns a plan that
// the pages would accept, within every bound, and that survives a save and a reopening
// unchanged.

#include "engine/nvrcatalogue.h"
#include "plan/planfile.h"

#include <QByteArray>
#include <algorithm>
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
    const PlanReadResult read = ParsePlan(bytes);
    if (!read.ok) {
        Expect(!read.error.isEmpty(), "a refusal says why");
        return 0;
    }
    const CorvanePlan& plan = read.plan;
    Expect(read.error.isEmpty(), "an accepted plan carries no message");
    Expect(CheckPlanHoldable(plan).isEmpty(), "an accepted plan is one the pages can hold");
    Expect(plan.cameras.size() <= PlanFormat::MaxCameraRecords, "camera records bounded");
    Expect(plan.recorders.size() <= PlanFormat::MaxRecorderRecords, "recorder records bounded");
    // A draft may hold what a page would mark in red; calculating from it may not.
    qint64 cameras = 0;
    bool blank = false;
    for (const PlanCamera& camera : plan.cameras) {
        Expect(camera.count == PlanBlankCount ||
                   (camera.count >= 0 && camera.count <= PlanFormat::MaxTypedCount),
               "camera counts are blank or what an editor holds");
        blank = blank || camera.count == PlanBlankCount;
        cameras += std::max(camera.count, 0);
    }
    if (CheckPlan(plan).isEmpty())
        Expect(!blank && cameras <= 1000000, "a plan fit to calculate has its cameras bounded");

    const QByteArray saved = SerializePlan(plan);
    const PlanReadResult again = ParsePlan(saved);
    Expect(again.ok, "a saved plan opens again");
    Expect(again.plan == plan, "a saved plan opens unchanged");
    Expect(SerializePlan(again.plan) == saved, "saving is deterministic");
    return 0;
}
