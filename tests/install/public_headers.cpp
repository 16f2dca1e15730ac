// The exported headers name only the types of the interface: a user's code keeps its own TRUE,
// MAX_PATH, menu template flags and records. On Windows IUnknown is the system's, so the COM
// headers bring the SDK's COM headers and with them <windows.h>, as do the headers of the system's
// global memory, menu and resource functions, and TFileFinder's record; every other exported header
// leaves it out.

#if defined(_WIN32)

#include "corekit/comvalue/bin_value.h"
#include "corekit/core/app_info.h"
#include "corekit/core/ole_user.h"
#include "corekit/core/string_helpers.h"
#include "corekit/core/unique_name.h"
#include "corekit/dllload/dll_func_loader.h"
#include "corekit/dllload/module_load.h"
#include "corekit/errors/error_reporter.h"
#include "corekit/gnss/com_port_probe.h"
#include "corekit/gnss/gnss_frame.h"
#include "corekit/gnss/gnss_frame_scanner.h"
#include "corekit/gpstime/current_time.h"
#include "corekit/gpstime/gps_time_ns.h"
#include "corekit/notify/cache_manager.h"
#include "corekit/notify/cache_post.h"
#include "corekit/streams/clipboard_stream.h"
#include "corekit/translate/dialog_template.h"
#include "corekit/translate/dialog_texts.h"
#include "corekit/translate/dictionary_text.h"
#include "corekit/translate/find_resource.h"
#include "corekit/translate/input_language.h"
#include "corekit/translate/menu_resource.h"
#include "corekit/translate/menu_translation.h"
#include "corekit/translate/thread_language.h"
#include "corekit/translate/translate_text.h"
#include "corekit/translate/translated_string.h"
#include "corekit/util/color.h"
#include "corekit/util/com_port_details.h"
#include "corekit/util/com_port_settings.h"
#include "corekit/util/com_port_stream.h"
#include "corekit/util/com_ports.h"
#include "corekit/util/gnss_usb_ids.h"
#include "corekit/util/log_stream.h"
#include "corekit/util/split_path.h"

#if defined(_WINDOWS_) || defined(_WINDEF_)
#error "an exported header outside COM and global memory brought in <windows.h>"
#endif

// Their types agree with the SDK's, which may come after them.
#include "corekit/corekit.h"

#else

#include "corekit/corekit.h"

// Each of these fails to compile if corekit.h defined the name: a macro turns the declaration into
// nonsense, a type makes it a redefinition.
enum { TRUE = 1, FALSE = 0, MF_POPUP, MF_END, DLL_PROCESS_ATTACH };
const int MAX_PATH = 4096;
const int FILE_ATTRIBUTE_DIRECTORY = 1;
const void* const INVALID_HANDLE_VALUE = nullptr;
struct SYSTEMTIME {};
using LPSTR = int;
using HKL = int;
using COLORREF = int;

#endif

// Records that cross the interface have the Windows layout on every build, as a module built by
// another compiler reads them; pointers are 4 bytes on 32-bit Windows, the suite's own platform.
static_assert(sizeof(_bin_value_descr) == 12 && sizeof(bin_value_block) == 8 + sizeof(void*));
static_assert(sizeof(PALETTEENTRY) == 4 && sizeof(RGBQUAD) == 4 && sizeof(RGBTRIPLE) == 3);
#if defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(void*) == 4 && sizeof(HANDLE) == 4 && sizeof(bin_value_block) == 12);
#endif
