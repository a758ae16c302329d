#include "platform/win32/Win32MemoryApi.h"

#include <windows.h>

namespace {

using TGlobalMemoryStatusEx = BOOL(WINAPI*)(LPMEMORYSTATUSEX);

// Windows 2000 and later only: looked up, not imported, so that the program
// still loads on 95 and NT 4.
TGlobalMemoryStatusEx StatusEx() {
    static const auto Function = reinterpret_cast<TGlobalMemoryStatusEx>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "GlobalMemoryStatusEx")));
    return Function;
}

}  // namespace

TMemoryStatus TWin32MemoryApi::GlobalMemoryStatus() {
    if (auto Function = StatusEx()) {
        MEMORYSTATUSEX Status{};
        Status.dwLength = sizeof(Status);
        if (Function(&Status)) return {Status.ullTotalPhys, Status.ullAvailPhys};
    }
    // The classic record's fields are unsigned: read as such they reach 4 GB.
    MEMORYSTATUS Status{};
    Status.dwLength = sizeof(Status);
    ::GlobalMemoryStatus(&Status);
    return {Status.dwTotalPhys, Status.dwAvailPhys};
}

void* TWin32MemoryApi::CommitBlock(size_t Size) {
    return ::VirtualAlloc(nullptr, Size, MEM_COMMIT, PAGE_READWRITE | PAGE_NOCACHE);
}

void TWin32MemoryApi::ReleaseBlock(void* Block) { ::VirtualFree(Block, 0, MEM_RELEASE); }
