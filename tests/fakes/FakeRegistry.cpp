#include "tests/fakes/FakeRegistry.h"

#include <algorithm>
#include <cctype>

std::string TFakeRegistry::Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

std::string TFakeRegistry::PathOf(THKey Parent, const std::string& Path) const {
    std::string base;
    if (Parent == HKEY_CURRENT_USER_KEY) base = "hkcu";
    else if (Parent == HKEY_LOCAL_MACHINE_KEY) base = "hklm";
    else if (Parent == HKEY_DYN_DATA_KEY) base = "hkdd";
    else if (auto it = FHandles.find(Parent); it != FHandles.end()) base = it->second;
    else return {};
    return Path.empty() ? base : base + "\\" + Lower(Path);
}

long TFakeRegistry::CreateKey(THKey Parent, const std::string& Path, THKey& Key) {
    std::string path = PathOf(Parent, Path);
    if (path.empty()) return 6;  // invalid handle
    if (!FKeys.count(path) && FDenied.count(path)) return REG_ACCESS_DENIED;
    for (size_t at = path.find('\\'); at != std::string::npos; at = path.find('\\', at + 1))
        FKeys[path.substr(0, at)];  // intermediate keys, as the system creates them
    FKeys[path];
    FHandles[Key = FNextHandle++] = path;
    return REG_NO_ERROR;
}

long TFakeRegistry::OpenKey(THKey Parent, const std::string& Path, THKey& Key, uint32_t Access) {
    std::string path = PathOf(Parent, Path);
    if (path.empty()) return 6;
    FOpens.push_back({path, Access});
    if (!FKeys.count(path)) return REG_FILE_NOT_FOUND;
    FHandles[Key = FNextHandle++] = path;
    return REG_NO_ERROR;
}

long TFakeRegistry::CloseKey(THKey Key) { return FHandles.erase(Key) ? REG_NO_ERROR : 6; }

long TFakeRegistry::SetValue(THKey Key, const std::string& Name, uint32_t Type, const std::vector<uint8_t>& Data) {
    auto it = FHandles.find(Key);
    if (it == FHandles.end()) return 6;
    if (FDenied.count(it->second)) return REG_ACCESS_DENIED;
    FKeys[it->second][Lower(Name)] = TValue{Type, Data};
    return REG_NO_ERROR;
}

long TFakeRegistry::QueryValue(THKey Key, const std::string& Name, uint32_t& Type, std::vector<uint8_t>& Data) {
    auto it = FHandles.find(Key);
    if (it == FHandles.end()) return 6;
    const TValue* v = Value(it->second, Name);
    if (!v) return REG_FILE_NOT_FOUND;
    Type = v->Type;
    Data = v->Data;
    return REG_NO_ERROR;
}

long TFakeRegistry::DeleteValue(THKey Key, const std::string& Name) {
    auto it = FHandles.find(Key);
    if (it == FHandles.end()) return 6;
    if (FDenied.count(it->second)) return REG_ACCESS_DENIED;
    return FKeys[it->second].erase(Lower(Name)) ? REG_NO_ERROR : REG_FILE_NOT_FOUND;
}

bool TFakeRegistry::KeyExists(const std::string& FullPath) const { return FKeys.count(Lower(FullPath)) > 0; }

const TFakeRegistry::TValue* TFakeRegistry::Value(const std::string& FullPath, const std::string& Name) const {
    auto key = FKeys.find(Lower(FullPath));
    if (key == FKeys.end()) return nullptr;
    auto value = key->second.find(Lower(Name));
    return value == key->second.end() ? nullptr : &value->second;
}

std::string TFakeRegistry::StringValue(const std::string& FullPath, const std::string& Name) const {
    const TValue* v = Value(FullPath, Name);
    if (!v || v->Type != REG_SZ_TYPE || v->Data.empty()) return {};
    return std::string(v->Data.begin(), v->Data.end() - 1);
}
