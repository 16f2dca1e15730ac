#pragma once

namespace corekit::platform {

// Initialises OLE on the calling thread (OleInitialize, result not used); POSIX keeps a count of
// initialisations per thread for the library's own component services.
void InitializeComponentServices();
// Ends one initialisation on the calling thread (OleUninitialize).
void UninitializeComponentServices();
// How often the calling thread has initialised the component services and not ended them; POSIX
// only (Windows keeps this to itself and answers -1).
int ComponentServicesDepth();

}  // namespace corekit::platform
