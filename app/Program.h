#pragma once
#include <string_view>

#include "app/MainMemSystem.h"
#include "platform/MessageQueue.h"
#include "platform/WindowSystem.h"

// Runs the program with the arguments of its command line: wakes the
// instance already running, or creates the main window and runs the
// message loop until the application ends; or carries out a command.
// Returns the process's exit code.
int RunProgram(std::string_view Arguments, TMessageQueue& Queue, TWindowSystem& Windows, TMainMemSystem& System);
