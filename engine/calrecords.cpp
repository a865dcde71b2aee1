#include "engine/calrecords.h"

CalNVRDataRecord CalNVRData;
