// The thread's queue through the platform wrapper.
#include <gmock/gmock.h>
#include <windows.h>

#include "platform/win32/Win32MessageQueue.h"
#include "tests/win32/engine/TestWindow.h"

TEST(Win32MessageQueueTest, MessagesGoThroughUnchangedAndQuitEndsTheLoop) {
    DrainQueue();
    TWin32MessageQueue Queue;
    UINT Seen = 0;
    WPARAM SeenW = 0;
    LPARAM SeenL = 0;
    TTestWindow Window([&](UINT Msg, WPARAM W, LPARAM L) { Seen = Msg, SeenW = W, SeenL = L; });

    ::PostMessageA(Window.Handle(), WM_APP + 3, 0xABCD, -42);
    ::PostThreadMessageA(::GetCurrentThreadId(), WM_APP + 4, 1, 2);
    TMessage Message;
    ASSERT_TRUE(Queue.GetMessage(Message));
    EXPECT_EQ(Message.Wnd, Window.Handle());
    Queue.DispatchMessage(Message);
    EXPECT_EQ(Seen, static_cast<UINT>(WM_APP + 3));
    EXPECT_EQ(SeenW, 0xABCDu);
    EXPECT_EQ(SeenL, -42);

    // A thread message has no window: Peek sees it all the same.
    ASSERT_TRUE(Queue.PeekMessage(Message));
    EXPECT_EQ(Message.Wnd, nullptr);
    EXPECT_EQ(Message.Msg, static_cast<uint32_t>(WM_APP + 4));
    EXPECT_FALSE(Queue.PeekMessage(Message));

    Queue.PostQuitMessage(9);
    EXPECT_FALSE(Queue.GetMessage(Message));
    EXPECT_EQ(Message.Msg, WM_QUIT_MESSAGE);
    EXPECT_EQ(Message.WParam, 9u);
}
