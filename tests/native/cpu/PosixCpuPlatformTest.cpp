#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include "platform/CpuPlatform.h"

namespace {

TEST(PosixCpuPlatform, RestoringBothPrioritiesRestoresTheNiceness) {
    TCpuPlatform& Platform = SystemCpuPlatform();
    int Before = getpriority(PRIO_PROCESS, 0);
    uint32_t PriorityClass = Platform.GetPriorityClass();
    int ThreadPriority = Platform.GetThreadPriority();
    Platform.SetPriorityClass(pcRealtime);
    Platform.SetThreadPriority(tpTimeCritical);
    // Only the superuser may raise a priority; others keep theirs.
    if (geteuid() == 0) EXPECT_LT(getpriority(PRIO_PROCESS, 0), Before) << "raised";
    else EXPECT_EQ(getpriority(PRIO_PROCESS, 0), Before);
    Platform.SetThreadPriority(ThreadPriority);
    Platform.SetPriorityClass(PriorityClass);
    EXPECT_EQ(Before, getpriority(PRIO_PROCESS, 0));
}

}  // namespace
