#include "corekit/platform/component_services.h"

namespace corekit::platform {
namespace {

int& Depth() {
  thread_local int depth = 0;
  return depth;
}

}  // namespace

void InitializeComponentServices() { ++Depth(); }

// As on Windows, an uninitialisation without initialisation does nothing.
void UninitializeComponentServices() {
  if (Depth() > 0) --Depth();
}

int ComponentServicesDepth() { return Depth(); }

}  // namespace corekit::platform
