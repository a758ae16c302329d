#include <gtest/gtest.h>
#include <sys/resource.h>

#include "platform/CpuPlatform.h"

namespace {

TEST(PosixCpuPlatform, RestoringBothPrioritiesRestoresTheNiceness) {
    TCpuPlatform& Platform = SystemCpuPlatform();
    int Before = getpriority(PRIO_PROCESS, 0);
    uint32_t PriorityClass = Platform.GetPriorityClass();
    int ThreadPriority = Platform.GetThreadPriority();
    Platform.SetPriorityClass(pcRealtime);
    Platform.SetThreadPriority(tpTimeCritical);
    EXPECT_LE(getpriority(PRIO_PROCESS, 0), Before) << "raised where allowed, else left";
    Platform.SetThreadPriority(ThreadPriority);
    Platform.SetPriorityClass(PriorityClass);
    EXPECT_EQ(Before, getpriority(PRIO_PROCESS, 0));
}

}  // namespace
