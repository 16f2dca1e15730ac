#pragma once

// Included before the Windows SDK's headers: leaves out the SDK's rarely used parts and its min and
// max macros, which would break std::min and std::max in a user's code.

#if defined(_WIN32)
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#endif
