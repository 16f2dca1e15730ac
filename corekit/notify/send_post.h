#pragma once

#include "corekit/notify/cache_post.h"

// Posts a message to every target of the office of its type: the only way the library posts.
// Internal.
void SendPost(const TCachePost& message);
