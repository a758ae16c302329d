#pragma once
// Version, names, sockets, drives and tick count from the Windows kernel,
// advapi32, wsock32 and version.dll.
#include "platform/SystemInfoApi.h"

class TWin32SystemInfoApi : public TSystemInfoApi {
public:
    bool GetVersion(TOsVersionInfo& Info) override;
    bool GetExtendedVersion(TOsVersionInfoEx& Info) override;
    uint32_t KernelProductVersion() override;
    std::string ComputerName() override;
    std::string UserName() override;
    bool StartSockets() override;
    std::optional<std::string> HostName() override;
    std::optional<std::vector<std::string>> HostAddresses(const std::string& HostName) override;
    void CleanupSockets() override;
    uint32_t FindFirstFileResult(const std::string& Pattern) override;
    TDiskSpace DiskSpace(const std::string& Root) override;
    uint32_t GetTickCount() override;
};
