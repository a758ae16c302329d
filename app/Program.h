#pragma once
#include "app/MainMemSystem.h"
#include "platform/MessageQueue.h"
#include "platform/WindowSystem.h"

// Wakes the instance already running, or creates the main window and runs
// the message loop until the application ends.
void RunProgram(TMessageQueue& Queue, TWindowSystem& Windows, TMainMemSystem& System);
