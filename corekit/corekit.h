#pragma once

// The whole exported interface of corekit.

#include "corekit/core/app_info.h"
#include "corekit/core/export.h"
#include "corekit/core/kstring.h"
#include "corekit/errors/error_reporter.h"
#include "corekit/gpstime/current_time.h"
#include "corekit/gpstime/gps_time.h"
#include "corekit/gpstime/gps_time_ms.h"
#include "corekit/gpstime/gps_time_ns.h"
#include "corekit/gpstime/gps_week.h"
#include "corekit/platform/types.h"
