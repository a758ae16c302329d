#pragma once
// The program's options: none for a plain start, "/optimise" for one run by
// the saved method, "/optimise N" for one of N megabytes by the manual
// method, "/?" for the usage; "-" stands for "/", in any case.
#include <string>
#include <string_view>

#include "engine/MemRecovery.h"

enum TCommand { cmStart, cmOptimise, cmUsage, cmBadOption };

struct TCommandLine {
    TCommand Command = cmStart;
    int Megabytes = 0;  // of cmOptimise; 0 for the saved method
};

// The arguments after the program's name, as the system hands them over.
TCommandLine ParseCommandLine(std::string_view Arguments);

// The exit codes of a command.
constexpr int ExitCompleted = 0;
constexpr int ExitNotCompleted = 1;  // the run was cancelled or failed
constexpr int ExitBadOption = 2;
inline int ExitCode(TRunOutcome Outcome) { return Outcome == roCompleted ? ExitCompleted : ExitNotCompleted; }

extern const char* const UsageText;
