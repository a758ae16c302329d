#pragma once
// An in-memory registry with the system's error codes; key names are
// case-insensitive as in the real one. Keys can be marked read-only. Every
// OpenKey is written down with the access it asked for.
#include <map>
#include <set>
#include <string>

#include "platform/RegistryApi.h"

class TFakeRegistry : public TRegistryApi {
public:
    struct TValue {
        uint32_t Type = 0;
        std::vector<uint8_t> Data;
    };
    struct TOpen {
        std::string Path;  // full, lower-case
        uint32_t Access;
    };

    long CreateKey(THKey Parent, const std::string& Path, THKey& Key) override;
    long OpenKey(THKey Parent, const std::string& Path, THKey& Key,
                 uint32_t Access = KEY_ALL_ACCESS_RIGHTS) override;
    long CloseKey(THKey Key) override;
    long SetValue(THKey Key, const std::string& Name, uint32_t Type, const std::vector<uint8_t>& Data) override;
    long QueryValue(THKey Key, const std::string& Name, uint32_t& Type, std::vector<uint8_t>& Data) override;
    long DeleteValue(THKey Key, const std::string& Name) override;

    // Full paths are "HKCU\\Software\\...", "HKLM\\..." or "HKDD\\...".
    bool KeyExists(const std::string& FullPath) const;
    const TValue* Value(const std::string& FullPath, const std::string& Name) const;
    std::string StringValue(const std::string& FullPath, const std::string& Name) const;
    void DenyWrites(const std::string& FullPath) { FDenied.insert(Lower(FullPath)); }
    int OpenHandles() const { return static_cast<int>(FHandles.size()); }
    const std::vector<TOpen>& Opens() const { return FOpens; }

private:
    static std::string Lower(std::string s);
    std::string PathOf(THKey Parent, const std::string& Path) const;

    std::map<std::string, std::map<std::string, TValue>> FKeys;  // lower-case path -> values
    std::set<std::string> FDenied;
    std::map<THKey, std::string> FHandles;
    std::vector<TOpen> FOpens;
    THKey FNextHandle = 0x1000;
};
