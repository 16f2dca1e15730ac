#include "corekit/core/ole_user.h"

#include "corekit/platform/component_services.h"

TOleUser::TOleUser() { corekit::platform::InitializeComponentServices(); }

TOleUser::~TOleUser() { corekit::platform::UninitializeComponentServices(); }

TOleUser& TOleUser::operator=(const TOleUser&) { return *this; }
