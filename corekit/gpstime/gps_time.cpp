// TGPSTime and TGPSWeek are inline; this unit emits their members once more as exported functions,
// for programs built when they were calls (see COREKIT_EXPORTED_INLINE).
#define COREKIT_EMIT_EXPORTED_INLINES
#include "corekit/gpstime/gps_time.h"
