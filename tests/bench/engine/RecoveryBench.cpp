// A recovery run against a plain loop that commits, zeroes and releases the
// same blocks, alternately in one process, so that both meet the same system.
//   engine_bench [megabytes=256] [rounds=15]
#include <windows.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "engine/MemRecovery.h"
#include "platform/win32/Win32MemoryApi.h"
#include "platform/win32/Win32MessageQueue.h"

namespace {

constexpr SIZE_T BlockSize = TMemRecovery::BlockSize;

void PlainRun(int Blocks) {
    std::array<void*, TMemRecovery::MaxBlocks> Table{};
    for (int i = 0; i < Blocks; ++i) {
        Table[i] = ::VirtualAlloc(nullptr, BlockSize, MEM_COMMIT, PAGE_READWRITE | PAGE_NOCACHE);
        auto* Words = static_cast<uint32_t*>(Table[i]);
        for (SIZE_T w = 0; w < BlockSize / 4; ++w) Words[w] = 0;
    }
    for (int i = 0; i < Blocks; ++i) ::VirtualFree(Table[i], 0, MEM_RELEASE);
}

template <class F>
double Milliseconds(F Run) {
    LARGE_INTEGER Frequency, Start, Stop;
    ::QueryPerformanceFrequency(&Frequency);
    ::QueryPerformanceCounter(&Start);
    Run();
    ::QueryPerformanceCounter(&Stop);
    return 1000.0 * static_cast<double>(Stop.QuadPart - Start.QuadPart) / static_cast<double>(Frequency.QuadPart);
}

double Median(std::vector<double> Values) {
    std::sort(Values.begin(), Values.end());
    return Values[Values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    const int Megabytes = argc > 1 ? std::atoi(argv[1]) : 256;
    const int Rounds = argc > 2 ? std::atoi(argv[2]) : 15;
    TWin32MemoryApi Memory;
    TWin32MessageQueue Queue;
    TMemRecovery Engine(nullptr, Memory, Queue);
    int Shown = 0;  // as the main window's gauge would
    Engine.SetOnProgress(TOnProgress([&Shown](TObject*, int Progress) { Shown = Progress; }));

    auto EngineRun = [&] { Engine.Defrag(Megabytes); };
    auto Plain = [&] { PlainRun(Megabytes); };
    EngineRun();  // warm-up: first touches of the allocator and the queue
    Plain();

    std::vector<double> EngineTimes, PlainTimes;
    for (int r = 0; r < Rounds; ++r) {
        // Alternating which goes first keeps drift from favouring either.
        if (r % 2) PlainTimes.push_back(Milliseconds(Plain));
        EngineTimes.push_back(Milliseconds(EngineRun));
        if (r % 2 == 0) PlainTimes.push_back(Milliseconds(Plain));
    }

    // The ratio within each round: the two runs of a round met the same load.
    std::vector<double> Ratios;
    for (int r = 0; r < Rounds; ++r) Ratios.push_back(EngineTimes[r] / PlainTimes[r]);
    const double EMin = *std::min_element(EngineTimes.begin(), EngineTimes.end());
    const double PMin = *std::min_element(PlainTimes.begin(), PlainTimes.end());
    std::printf("%d MB, %d rounds (last progress %d)\n", Megabytes, Rounds, Shown);
    std::printf("engine: median %.1f ms, best %.1f ms\n", Median(EngineTimes), EMin);
    std::printf("plain:  median %.1f ms, best %.1f ms\n", Median(PlainTimes), PMin);
    std::printf("engine/plain: median of the rounds' ratios %.3f, of the best runs %.3f\n", Median(Ratios), EMin / PMin);
    return 0;
}
