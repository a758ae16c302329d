#pragma once
// The system registry, with its own error codes (0 is success).
#include <cstdint>
#include <string>
#include <vector>

using THKey = uintptr_t;

constexpr THKey HKEY_CURRENT_USER_KEY = 0x80000001u;
constexpr THKey HKEY_LOCAL_MACHINE_KEY = 0x80000002u;
constexpr THKey HKEY_DYN_DATA_KEY = 0x80000006u;  // Windows 95, 98 and Me
constexpr uint32_t KEY_ALL_ACCESS_RIGHTS = 0xF003F;
constexpr uint32_t KEY_READ_RIGHTS = 0x20019;
constexpr uint32_t REG_SZ_TYPE = 1;
constexpr uint32_t REG_DWORD_TYPE = 4;
constexpr long REG_NO_ERROR = 0;
constexpr long REG_FILE_NOT_FOUND = 2;
constexpr long REG_ACCESS_DENIED = 5;

class TRegistryApi {
public:
    virtual ~TRegistryApi() = default;
    // Path is relative to Parent and has no leading backslash.
    virtual long CreateKey(THKey Parent, const std::string& Path, THKey& Key) = 0;
    virtual long OpenKey(THKey Parent, const std::string& Path, THKey& Key,
                         uint32_t Access = KEY_ALL_ACCESS_RIGHTS) = 0;
    virtual long CloseKey(THKey Key) = 0;
    virtual long SetValue(THKey Key, const std::string& Name, uint32_t Type, const std::vector<uint8_t>& Data) = 0;
    virtual long QueryValue(THKey Key, const std::string& Name, uint32_t& Type, std::vector<uint8_t>& Data) = 0;
    virtual long DeleteValue(THKey Key, const std::string& Name) = 0;
};
