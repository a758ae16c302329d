#include "engine/MemRecovery.h"

#include <algorithm>
#include <array>

#include "core/Rounding.h"

namespace {

// Sets a flag for the life of a scope, so that an exception from an event
// handler cannot leave the engine busy for good.
class TFlagScope {
public:
    explicit TFlagScope(bool& Flag) : FFlag(Flag) { FFlag = true; }
    ~TFlagScope() { FFlag = false; }
    TFlagScope(const TFlagScope&) = delete;
    TFlagScope& operator=(const TFlagScope&) = delete;

private:
    bool& FFlag;
};

void ZeroBlock(void* Block) {
    // Word stores over the whole block make the system back every page.
    auto* Words = static_cast<uint32_t*>(Block);
    for (size_t i = 0; i < TMemRecovery::BlockSize / sizeof(uint32_t); ++i) Words[i] = 0;
}

}  // namespace

// The blocks of one run, on the stack. Whatever is still held when the table
// goes out of scope (a cancelled run, an exception from a handler) is released
// in ascending order; an entry whose commit failed holds nothing.
class TMemRecovery::TBlockTable {
public:
    explicit TBlockTable(TMemoryApi& Memory) : FMemory(Memory) {}
    ~TBlockTable() {
        for (int i = 0; i < MaxBlocks; ++i) Release(i);
    }
    TBlockTable(const TBlockTable&) = delete;
    TBlockTable& operator=(const TBlockTable&) = delete;

    void Hold(int Index, void* Block) { FBlocks[Index] = Block; }
    void Release(int Index) {
        if (void* Block = std::exchange(FBlocks[Index], nullptr)) FMemory.ReleaseBlock(Block);
    }

private:
    TMemoryApi& FMemory;
    std::array<void*, MaxBlocks> FBlocks{};
};

TMemRecovery::TMemRecovery(TComponent* AOwner, TMemoryApi& Memory, TMessageQueue& Queue)
    : TComponent(AOwner),
      FMemory(Memory),
      FQueue(Queue),
      FTotalPhys(static_cast<int64_t>(Memory.GlobalMemoryStatus().TotalPhys)) {}

int64_t TMemRecovery::FreeMemory() const {
    return static_cast<int64_t>(FMemory.GlobalMemoryStatus().AvailPhys);
}

// Cut before narrowing: a total of 2 GB or more must not wrap.
int TMemRecovery::AllBlocks() const { return static_cast<int>(std::min<int64_t>(TotalMemory() / BlockSize, MaxBlocks)); }

int TMemRecovery::RunBlocks(int Megabytes) { return std::clamp(Megabytes, 0, MaxBlocks); }

void TMemRecovery::Defrag(int Megabytes) {
    // Cleared before the busy test: a nested call also drops a pending request.
    FCancel = false;
    if (FBusy) return;
    FFailed = false;
    bool whole = false;
    {
        TFlagScope Busy(FBusy);
        FOnBeforeDefrag(this);
        const int Blocks = std::min(Megabytes, MaxBlocks);
        TBlockTable Table(FMemory);
        int Steps = 0;
        whole = AllocationPass(Table, Blocks, Steps) && ReleasePass(Table, Blocks, Steps);
    }  // the table releases what the run still holds, then the engine is idle
    // A failed block counts even when a nested call dropped its cancel and the run went on.
    FLastOutcome = FFailed ? roFailed : whole ? roCompleted : roCancelled;
    FOnAfterDefrag(this);
}

bool TMemRecovery::AllocationPass(TBlockTable& Table, int Blocks, int& Steps) {
    for (int i = 0; i < Blocks; ++i) {
        void* Block = FMemory.CommitBlock(BlockSize);
        Table.Hold(i, Block);
        if (Block)
            ZeroBlock(Block);
        else
            FCancel = FFailed = true;
        PumpMessages();  // a quit request is left for the application's loop
        ReportProgress(++Steps, 2 * Blocks);
        if (FCancel) return false;
    }
    return true;
}

bool TMemRecovery::ReleasePass(TBlockTable& Table, int Blocks, int& Steps) {
    // No pumping here: releasing is quick and only a progress handler can cancel.
    for (int i = 0; i < Blocks; ++i) {
        Table.Release(i);
        ReportProgress(++Steps, 2 * Blocks);
        if (FCancel) return i + 1 == Blocks;
    }
    return true;
}

void TMemRecovery::ReportProgress(int Steps, int Total) {
    FOnProgress(this, static_cast<int>(RoundHalfEven(static_cast<double>(Steps) / Total * 100)));
}

bool TMemRecovery::PumpMessages() {
    TMessage Message;
    while (FQueue.PeekMessage(Message)) {
        if (Message.Msg == WM_QUIT_MESSAGE) {
            // Put it back for the application's own loop, which must still end.
            FQueue.PostQuitMessage(static_cast<int>(Message.WParam));
            return true;
        }
        FQueue.DispatchMessage(Message);
    }
    return false;
}
