#pragma once
// Measures physical memory and recovers it: a run commits up to 1024 blocks of
// 1 MB of our own memory and writes every byte, which makes the system page
// other programs out, then releases them. The run is synchronous and pumps the
// thread's messages between blocks so that the interface (and Cancel) stays alive.
#include <cstddef>
#include <cstdint>
#include <utility>

#include "platform/MemoryApi.h"
#include "platform/MessageQueue.h"
#include "core/Component.h"
#include "core/Events.h"

using TOnProgress = TEvent<int>;  // Progress: 0 to 100

// How a run ended: every step done, stopped by Cancel, or cut short by a
// block that could not be committed.
enum TRunOutcome { roCompleted, roCancelled, roFailed };

class TMemRecovery : public TComponent {
public:
    static constexpr size_t BlockSize = 0x100000;
    static constexpr int MaxBlocks = 1024;

    TMemRecovery(TComponent* AOwner, TMemoryApi& Memory, TMessageQueue& Queue);

    // Bytes; read once at construction.
    int64_t TotalMemory() const { return FTotalPhys; }
    // Bytes; asks the system at every read.
    int64_t FreeMemory() const;

    // One run over Megabytes blocks (at most MaxBlocks); returns when it has ended.
    // A call made while a run is in progress returns at once.
    void Defrag(int Megabytes);
    // A run over the whole of physical memory, as far as one run reaches.
    void DefragAll() { Defrag(AllBlocks()); }
    // The blocks that DefragAll asks for.
    int AllBlocks() const;
    // The blocks a run over Megabytes covers.
    static int RunBlocks(int Megabytes);
    // How the last run ended; known when OnAfterDefrag fires.
    TRunOutcome LastOutcome() const { return FLastOutcome; }
    // Stops the run in progress at its next test.
    void Cancel() { FCancel = true; }

    const TNotifyEvent& OnBeforeDefrag() const { return FOnBeforeDefrag; }
    void SetOnBeforeDefrag(TNotifyEvent Value) { FOnBeforeDefrag = std::move(Value); }
    const TOnProgress& OnProgress() const { return FOnProgress; }
    void SetOnProgress(TOnProgress Value) { FOnProgress = std::move(Value); }
    const TNotifyEvent& OnAfterDefrag() const { return FOnAfterDefrag; }
    void SetOnAfterDefrag(TNotifyEvent Value) { FOnAfterDefrag = std::move(Value); }

private:
    class TBlockTable;
    bool AllocationPass(TBlockTable& Table, int Blocks, int& Steps);
    // True when every block went through the pass.
    bool ReleasePass(TBlockTable& Table, int Blocks, int& Steps);
    void ReportProgress(int Steps, int Total);
    // Dispatches every queued message; true if it met (and re-posted) the quit message.
    bool PumpMessages();

    TMemoryApi& FMemory;
    TMessageQueue& FQueue;
    bool FCancel = false;
    int64_t FTotalPhys;
    bool FBusy = false;
    bool FFailed = false;  // a block of the run could not be committed
    TRunOutcome FLastOutcome = roCompleted;
    TOnProgress FOnProgress;
    TNotifyEvent FOnBeforeDefrag;
    TNotifyEvent FOnAfterDefrag;
};
