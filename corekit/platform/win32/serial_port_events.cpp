#include "corekit/platform/serial_port_events.h"

#include "corekit/platform/types.h"
// clang-format off
#include <cfgmgr32.h>
// clang-format on

#include <initializer_list>

#include "corekit/platform/dynamic_library.h"

namespace corekit::platform {
namespace {

// The device interface classes of COM ports and of modems.
constexpr GUID ComPortInterface = {
    0x86e0d1e0, 0x8089, 0x11d0, {0x9c, 0xe4, 0x08, 0x00, 0x3e, 0x30, 0x1f, 0x73}};
constexpr GUID ModemInterface = {
    0x2c7089aa, 0x2e0e, 0x11d1, {0xb1, 0x14, 0x00, 0xc0, 0x4f, 0xc2, 0xaa, 0xe4}};

// The configuration manager's notification calls of Windows 8, which older systems and Wine
// lack; the SDK's header gives their types only.
using RegisterNotification = CONFIGRET(WINAPI*)(PCM_NOTIFY_FILTER, PVOID, PCM_NOTIFY_CALLBACK,
                                                PHCMNOTIFICATION);
using UnregisterNotification = CONFIGRET(WINAPI*)(HCMNOTIFICATION);

// Called on a thread of the system's pool: the waiting thread does the looking.
DWORD CALLBACK Notified(HCMNOTIFICATION, PVOID changed, CM_NOTIFY_ACTION, PCM_NOTIFY_EVENT_DATA,
                        DWORD) {
  SetEvent(static_cast<HANDLE>(changed));
  return ERROR_SUCCESS;
}

}  // namespace

struct SerialPortEvents::System {
  HANDLE wake = CreateEventA(nullptr, FALSE, FALSE, nullptr);
  HANDLE devicesChanged = CreateEventA(nullptr, FALSE, FALSE, nullptr);
  HANDLE mapChanged = CreateEventA(nullptr, FALSE, FALSE, nullptr);
  HKEY map = nullptr;  // HARDWARE\DEVICEMAP, whose SERIALCOMM key names the ports
  bool mapWatched = false;
  HMODULE config = nullptr;
  UnregisterNotification unregister = nullptr;
  HCMNOTIFICATION notifications[2] = {};

  // Asks once for the next change below the device map (the serial map may not exist yet).
  void WatchMap() {
    mapWatched =
        map != nullptr && mapChanged != nullptr &&
        RegNotifyChangeKeyValue(map, TRUE, REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_LAST_SET,
                                mapChanged, TRUE) == ERROR_SUCCESS;
  }

  void Notify(RegisterNotification registerNotification) {
    const GUID* classes[2] = {&ComPortInterface, &ModemInterface};
    for (int i = 0; i < 2; ++i) {
      CM_NOTIFY_FILTER filter{};
      filter.cbSize = sizeof filter;
      filter.FilterType = CM_NOTIFY_FILTER_TYPE_DEVICEINTERFACE;
      filter.u.DeviceInterface.ClassGuid = *classes[i];
      if (registerNotification(&filter, devicesChanged, Notified, &notifications[i]) != CR_SUCCESS)
        notifications[i] = nullptr;
    }
  }
};

SerialPortEvents::SerialPortEvents() : m_system(new System) {
  System& system = *m_system;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "HARDWARE\\DEVICEMAP", 0, KEY_NOTIFY, &system.map) !=
      ERROR_SUCCESS)
    system.map = nullptr;
  system.WatchMap();
  system.config = SystemLoadDynamicLibrary("cfgmgr32.dll", nullptr);
  if (system.config == nullptr || system.devicesChanged == nullptr) return;
  const auto registerNotification = reinterpret_cast<RegisterNotification>(
      SystemFindLibrarySymbol(system.config, "CM_Register_Notification"));
  system.unregister = reinterpret_cast<UnregisterNotification>(
      SystemFindLibrarySymbol(system.config, "CM_Unregister_Notification"));
  if (registerNotification != nullptr && system.unregister != nullptr)
    system.Notify(registerNotification);
}

SerialPortEvents::~SerialPortEvents() {
  System& system = *m_system;
  // Returns once no callback runs any more.
  for (HCMNOTIFICATION notification : system.notifications) {
    if (notification != nullptr) system.unregister(notification);
  }
  if (system.config != nullptr) SystemFreeDynamicLibrary(system.config);
  if (system.map != nullptr) RegCloseKey(system.map);
  for (HANDLE event : {system.wake, system.devicesChanged, system.mapChanged}) {
    if (event != nullptr) CloseHandle(event);
  }
  delete m_system;
}

bool SerialPortEvents::Listening() const {
  const System& system = *m_system;
  return system.wake != nullptr && (system.mapWatched || (system.notifications[0] != nullptr &&
                                                          system.notifications[1] != nullptr));
}

void SerialPortEvents::Wait(int timeoutMs) {
  System& system = *m_system;
  HANDLE events[3];
  DWORD count = 0;
  for (HANDLE event : {system.wake, system.devicesChanged, system.mapChanged}) {
    if (event != nullptr) events[count++] = event;
  }
  const DWORD timeout = timeoutMs < 0 ? INFINITE : static_cast<DWORD>(timeoutMs);
  if (count == 0) {
    Sleep(timeout);
    return;
  }
  const DWORD woken = WaitForMultipleObjects(count, events, FALSE, timeout) - WAIT_OBJECT_0;
  // The map's watch ends with its first change: ask again before the look that answers it.
  if (woken < count && events[woken] == system.mapChanged) system.WatchMap();
}

void SerialPortEvents::Wake() {
  if (m_system->wake != nullptr) SetEvent(m_system->wake);
}

}  // namespace corekit::platform
