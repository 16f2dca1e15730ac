#include "corekit/platform/component_services.h"

#include <ole2.h>

namespace corekit::platform {

void InitializeComponentServices() { OleInitialize(nullptr); }

void UninitializeComponentServices() { OleUninitialize(); }

int ComponentServicesDepth() { return -1; }

}  // namespace corekit::platform
