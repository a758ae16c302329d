#pragma once
// One recovery asked for on the command line: made by the instance already
// running when there is one, else here, without a window. Either way the
// command ends once the run's record is complete (its free memory read 60 s
// after the run), with the run's exit code.
#include "app/MainMemSystem.h"
#include "platform/MessageQueue.h"
#include "platform/WindowSystem.h"

// Megabytes by the manual method, or 0 for the saved method.
int RunOptimiseCommand(int Megabytes, TMessageQueue& Queue, TWindowSystem& Windows, TMainMemSystem& System);
