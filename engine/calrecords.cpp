// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/calrecords.h"

CalNVRDataRecord CalNVRData;
