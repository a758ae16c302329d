#pragma once
// A scripted system for the version detection and the information page. Its
// clock runs one millisecond per tick-count read, shown by the tick count in
// steps of TickStep and wrapping at 2^32 as the real one does; its time-stamp
// counter counts CyclesPerMillisecond of that clock from CounterBase. The
// socket calls are written down in order.
#include <map>

#include "cpu/cpuidSource.h"
#include "platform/SystemInfoApi.h"

class TFakeSystemInfoApi : public TSystemInfoApi, public TTimeStampCounter {
public:
    std::optional<TOsVersionInfo> Version = TOsVersionInfo{2, 5, 1, "Service Pack 1"};  // nothing: the call fails
    std::optional<uint32_t> ServicePackMajor;  // of the extended record; nothing: the call fails
    uint8_t ProductType = VER_NT_WORKSTATION_TYPE;
    uint32_t KernelVersion = 0;
    std::string Computer = "POSTE-12", User = "marie";
    bool SocketsStart = true;
    std::optional<std::string> Host = "poste-12";             // nothing: gethostname fails
    std::map<std::string, std::vector<std::string>> Hosts;  // a name not here has no host entry
    std::map<std::string, uint32_t> SearchResults;          // by pattern; others: path not found
    std::map<std::string, TDiskSpace> Spaces;               // by root; others cannot be queried
    uint64_t Now = 0;                                       // milliseconds
    uint32_t TickStep = 1;
    uint64_t CyclesPerMillisecond = 1000000, CounterBase = 0;

    int KernelVersionReads = 0, TickReads = 0, CounterReads = 0;
    std::vector<std::string> Calls;  // "StartSockets", "HostName", "HostAddresses poste-12", "CleanupSockets"

    bool GetVersion(TOsVersionInfo& Info) override { return Answer(Version, Info); }
    bool GetExtendedVersion(TOsVersionInfoEx& Info) override {
        if (ServicePackMajor) Info = {*ServicePackMajor, ProductType};
        return ServicePackMajor.has_value();
    }
    uint32_t KernelProductVersion() override { return ++KernelVersionReads, KernelVersion; }
    std::string ComputerName() override { return Computer; }
    std::string UserName() override { return User; }
    bool StartSockets() override { return Calls.push_back("StartSockets"), SocketsStart; }
    std::optional<std::string> HostName() override { return Calls.push_back("HostName"), Host; }
    std::optional<std::vector<std::string>> HostAddresses(const std::string& Name) override;
    void CleanupSockets() override { Calls.push_back("CleanupSockets"); }
    uint32_t FindFirstFileResult(const std::string& Pattern) override;
    TDiskSpace DiskSpace(const std::string& Root) override;
    uint32_t GetTickCount() override;
    uint64_t ReadTimeStampCounter() override { return ++CounterReads, CounterBase + Now * CyclesPerMillisecond; }

private:
    template <typename T>
    static bool Answer(const std::optional<T>& Scripted, T& Out) {
        if (Scripted) Out = *Scripted;
        return Scripted.has_value();
    }
};
