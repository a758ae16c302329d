#pragma once
// What the Windows version detection and the information page need of the
// system. Error codes and figures keep their Windows meanings.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// System error codes of a file search.
constexpr uint32_t SEARCH_FILE_FOUND = 0;
constexpr uint32_t SEARCH_FILE_NOT_FOUND = 2;
constexpr uint32_t SEARCH_PATH_NOT_FOUND = 3;
constexpr uint32_t SEARCH_NO_MORE_FILES = 18;
constexpr uint32_t SEARCH_NOT_READY = 21;

// GetVersionExA's basic record.
struct TOsVersionInfo {
    uint32_t PlatformId = 0;
    uint32_t MajorVersion = 0;
    uint32_t MinorVersion = 0;
    std::string CSDVersion;  // as reported, blanks included
    uint32_t BuildNumber = 0;
};

// Product types of the extended record.
constexpr uint8_t VER_NT_WORKSTATION_TYPE = 1;
constexpr uint8_t VER_NT_DOMAIN_CONTROLLER_TYPE = 2;
constexpr uint8_t VER_NT_SERVER_TYPE = 3;

// GetVersionExA's extended record, as far as it is read.
struct TOsVersionInfoEx {
    uint32_t ServicePackMajor = 0;
    uint8_t ProductType = 0;
};

// -1 for a figure that cannot be queried.
struct TDiskSpace {
    int64_t FreeBytes = -1;
    int64_t TotalBytes = -1;
};

class TSystemInfoApi {
public:
    virtual ~TSystemInfoApi() = default;

    // GetVersionExA with the basic record; false when the call fails.
    virtual bool GetVersion(TOsVersionInfo& Info) = 0;
    // GetVersionExA with the extended record (NT 4 SP6, Windows 2000 and
    // later); false when the call fails.
    virtual bool GetExtendedVersion(TOsVersionInfoEx& Info) = 0;
    // Product version of the loaded kernel32.dll's version resource, major in
    // the high 16 bits; 0 when any step fails or the fixed record is not
    // 52 bytes long.
    virtual uint32_t KernelProductVersion() = 0;

    // Empty when the name cannot be had.
    virtual std::string ComputerName() = 0;
    virtual std::string UserName() = 0;

    // Windows Sockets 1.1, started for one lookup; a successful start is
    // paired with one CleanupSockets.
    virtual bool StartSockets() = 0;
    virtual std::optional<std::string> HostName() = 0;
    // The host entry's addresses as dotted texts, in the entry's order;
    // nothing when the lookup yields no host entry.
    virtual std::optional<std::vector<std::string>> HostAddresses(const std::string& HostName) = 0;
    virtual void CleanupSockets() = 0;

    // The first-file search of Pattern, closed at once, without the system's
    // "no disk" box: SEARCH_FILE_FOUND or the system error code.
    virtual uint32_t FindFirstFileResult(const std::string& Pattern) = 0;
    // Of the drive whose root is Root ("C:\").
    virtual TDiskSpace DiskSpace(const std::string& Root) = 0;

    // Milliseconds since start, wrapping after 49.7 days.
    virtual uint32_t GetTickCount() = 0;
};
