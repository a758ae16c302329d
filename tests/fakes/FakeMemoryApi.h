#pragma once
// Scripted memory API for native tests: figures set by the test, real blocks
// from the heap, chosen commits that fail, and a record of what was held.
#include <cstddef>
#include <map>
#include <memory>
#include <set>
#include <vector>

#include "platform/MemoryApi.h"

class TFakeMemoryApi : public TMemoryApi {
public:
    TMemoryStatus Status;  // what GlobalMemoryStatus reports

    // The commit with this number (0 = first of the fake's life) returns nullptr.
    void FailCommit(int Number) { FFailing.insert(Number); }

    TMemoryStatus GlobalMemoryStatus() override { return Status; }
    void* CommitBlock(size_t Size) override;
    void ReleaseBlock(void* Block) override;

    int Commits() const { return FCommits; }  // attempts, failed ones included
    int Held() const { return static_cast<int>(FHeld.size()); }
    int PeakHeld() const { return FPeakHeld; }
    // Commit numbers of the released blocks, in the order of release.
    const std::vector<int>& ReleaseOrder() const { return FReleaseOrder; }
    // Releases of an address that is not held: null, foreign or already released.
    int BadReleases() const { return FBadReleases; }
    // Released blocks in which some byte was not written with zero.
    int UnzeroedReleases() const { return FUnzeroedReleases; }

private:
    struct TBlock {
        int Number;
        size_t Size;
        std::unique_ptr<unsigned char[]> Bytes;
    };

    std::set<int> FFailing;
    std::map<void*, TBlock> FHeld;
    std::vector<int> FReleaseOrder;
    int FCommits = 0;
    int FPeakHeld = 0;
    int FBadReleases = 0;
    int FUnzeroedReleases = 0;
};
