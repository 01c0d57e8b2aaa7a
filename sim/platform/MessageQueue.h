// The thread's queue of posted messages (sim::PumpMessages empties it).
#pragma once

#include "platform/windows.h"

namespace sim {

// Messages for a window that is gone are never delivered.
void DropQueuedMessagesFor(HWND handle);
void ResetMessageQueue();

}  // namespace sim
