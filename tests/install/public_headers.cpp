// The exported headers outside COM and global memory compile on their own and, on Windows, without
// bringing <windows.h> into a user's code. The system's headers may still come after them.
#include "corekit/comvalue/bin_value.h"
#include "corekit/core/app_info.h"
#include "corekit/core/ole_user.h"
#include "corekit/core/string_helpers.h"
#include "corekit/core/unique_name.h"
#include "corekit/dllload/dll_func_loader.h"
#include "corekit/errors/error_reporter.h"
#include "corekit/gpstime/current_time.h"
#include "corekit/gpstime/gps_time_ns.h"
#include "corekit/notify/cache_manager.h"
#include "corekit/notify/cache_post.h"
#include "corekit/streams/clipboard_stream.h"
#include "corekit/util/color.h"
#include "corekit/util/com_ports.h"
#include "corekit/util/log_stream.h"

#if defined(_WINDOWS_) || defined(_WINDEF_)
#  error "an exported header brought in <windows.h>"
#endif

#include "corekit/platform/types.h"
