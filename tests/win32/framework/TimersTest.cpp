#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/Win32MessageQueue.h"
#include "platform/win32/Win32Timers.h"
#include "ui/Timer.h"

namespace {
// Dispatches messages for about Ms milliseconds.
void PumpFor(TMessageQueue& Queue, DWORD Ms) {
    DWORD start = GetTickCount();
    TMessage m;
    while (GetTickCount() - start < Ms) {
        while (Queue.PeekMessage(m)) Queue.DispatchMessage(m);
        Sleep(5);
    }
}
}  // namespace

TEST(Win32Timers, FireThroughTheQueueAndStopWhenDisabled) {
    TWin32MessageQueue queue;
    TWin32Timers service;
    TTimer timer(nullptr, service);
    int fired = 0;
    timer.SetInterval(50);
    timer.SetOnTimer(TNotifyEvent([&](TObject*) { ++fired; }));
    Sleep(120);
    EXPECT_EQ(fired, 0) << "timers fire only when messages are dispatched";
    PumpFor(queue, 400);
    EXPECT_GE(fired, 3);
    timer.SetEnabled(false);
    int before = fired;
    PumpFor(queue, 200);
    EXPECT_EQ(fired, before);
}
