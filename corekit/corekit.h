#pragma once

// The whole exported interface of corekit.

#include "corekit/core/app_info.h"
#include "corekit/core/export.h"
#include "corekit/core/kstring.h"
#include "corekit/gpstime/current_time.h"
#include "corekit/gpstime/gps_time.h"
#include "corekit/gpstime/gps_time_ms.h"
#include "corekit/gpstime/gps_time_ns.h"
#include "corekit/gpstime/gps_week.h"
#include "corekit/notify/cache_base.h"
#include "corekit/notify/cache_manager.h"
#include "corekit/notify/cache_post.h"
#include "corekit/notify/post_office.h"
#include "corekit/notify/post_target.h"
#include "corekit/platform/com_base.h"
#include "corekit/platform/component_services.h"
#include "corekit/platform/global_memory.h"
#include "corekit/platform/task_allocator.h"
#include "corekit/platform/types.h"
#include "corekit/streams/abstract_stream.h"
#include "corekit/streams/clipboard_stream.h"
