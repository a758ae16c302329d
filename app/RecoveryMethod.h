#pragma once
// What a run by each of the three recovery methods asks of the engine.
#include <string>

#include "engine/MemRecovery.h"

constexpr int SystemMethod = 1;  // "Système": half the installed memory
constexpr int ManualMethod = 2;  // "Manuel": the chosen amount
constexpr int WholeMethod = 3;   // "Tout": the whole memory, as far as one run reaches

struct TRecoveryRun {
    std::string Method;  // its name in the history
    int Megabytes = 0;
};

// Method is one of the three; ManualMB counts only for the manual one.
TRecoveryRun MethodRun(int Method, int ManualMB, const TMemRecovery& Engine);
// Installed megabytes, rounded as the window shows them.
int64_t InstalledMegabytes(const TMemRecovery& Engine);
