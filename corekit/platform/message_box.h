#pragma once

#include "corekit/platform/types.h"

namespace corekit::platform {

// The icon and button bits of a message box's style, as Win32 numbers them.
inline constexpr UINT MessageBoxOk = 0x00;
inline constexpr UINT MessageBoxIconError = 0x10;
inline constexpr UINT MessageBoxIconQuestion = 0x20;
inline constexpr UINT MessageBoxIconWarning = 0x30;
inline constexpr UINT MessageBoxIconInformation = 0x40;
inline constexpr UINT MessageBoxIconMask = 0xF0;

// Shows text in a modal message box with the caption and style, owned by the window owner (may be
// null), and returns when the user has closed it. While a hook is set the hook is called instead.
void ShowMessageBox(HWND owner, const char* text, const char* caption, UINT style);

// A function that stands in for the system's message box, so that tests see the call and no dialog
// appears.
using MessageBoxHook = void (*)(HWND owner, const char* text, const char* caption, UINT style);

// Sets the hook (null: the system's box again) and returns the one set before.
MessageBoxHook SetMessageBoxHook(MessageBoxHook hook) noexcept;

// The system's own message box, without the hook. On POSIX: the desktop's dialog tool (zenity,
// kdialog or xmessage, the first found on PATH) when DISPLAY or WAYLAND_DISPLAY names a display;
// else, or when no tool can be started, "caption: text" on standard error.
void SystemMessageBox(HWND owner, const char* text, const char* caption, UINT style);

}  // namespace corekit::platform
