#pragma once
// Lets a background thread give way to the window thread.

namespace platform {

// Lowers the calling thread's scheduling priority one step below normal.
// Best effort: where the system does not allow it, nothing changes.
void lowerCurrentThreadPriority();

}  // namespace platform
