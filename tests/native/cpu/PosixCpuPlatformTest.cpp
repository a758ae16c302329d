#include <gtest/gtest.h>
#include <algorithm>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/CpuPlatform.h"

namespace {

// Lowering a priority is open to everyone, and cannot be undone but by the
// superuser: each case lowers it in a child process of its own, which
// reports by its exit status whether its niceness went where it should.
TEST(PosixCpuPlatform, ClassAndThreadPriorityLowerTheNicenessTogether) {
    const struct {
        const char* Name;
        uint32_t PriorityClass;
        int ThreadPriority;
        int Niceness;  // above the niceness at start
    } cases[] = {
        {"below normal", pcBelowNormal, tpNormal, 5},
        {"lowest thread", pcNormal, -2, 2},
        {"both", pcBelowNormal, -2, 7},
        {"idle, held to 19", pcIdle, -2, 19},
    };
    const int start = getpriority(PRIO_PROCESS, 0);
    for (const auto& c : cases) {
        const pid_t child = fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            TCpuPlatform& platform = SystemCpuPlatform();
            platform.SetPriorityClass(c.PriorityClass);
            platform.SetThreadPriority(c.ThreadPriority);
            const bool placed = getpriority(PRIO_PROCESS, 0) == std::min(start + c.Niceness, 19) &&
                                platform.GetPriorityClass() == c.PriorityClass &&
                                platform.GetThreadPriority() == c.ThreadPriority;
            _exit(placed ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << c.Name;
    }
}

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
