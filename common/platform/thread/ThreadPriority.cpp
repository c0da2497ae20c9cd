#include "common/platform/thread/ThreadPriority.h"

#if defined(__linux__)
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace platform {

void lowerCurrentThreadPriority() {
#if defined(__linux__)
    // On Linux each thread has its own nice value, addressed by its thread id.
    const auto tid = static_cast<id_t>(syscall(SYS_gettid));
    errno = 0;
    const int current = getpriority(PRIO_PROCESS, tid);
    if (errno == 0) setpriority(PRIO_PROCESS, tid, current + 1);
#endif
}

}  // namespace platform
