#include "ui/Registry.h"

#include <cstring>

void TRegistry::SetRootKey(THKey Value) {
    CloseKey();
    FRootKey = Value;
}

bool TRegistry::OpenKey(const std::string& Path, bool CanCreate) {
    bool fromRoot = Path.starts_with('\\') || FCurrentKey == 0;
    std::string relative = Path.starts_with('\\') ? Path.substr(1) : Path;
    THKey parent = fromRoot ? FRootKey : FCurrentKey;
    THKey key = 0;
    long error = CanCreate ? FApi.CreateKey(parent, relative, key) : FApi.OpenKey(parent, relative, key);
    if (error != REG_NO_ERROR) return false;
    CloseKey();
    FCurrentKey = key;
    return true;
}

void TRegistry::CloseKey() {
    if (FCurrentKey == 0) return;
    FApi.CloseKey(FCurrentKey);
    FCurrentKey = 0;
}

// Write failures are not reported: the settings are a best effort.
void TRegistry::WriteString(const std::string& Name, const std::string& Value) {
    std::vector<uint8_t> data(Value.begin(), Value.end());
    data.push_back(0);
    FApi.SetValue(FCurrentKey, Name, REG_SZ_TYPE, data);
}

void TRegistry::WriteInteger(const std::string& Name, int32_t Value) {
    std::vector<uint8_t> data(sizeof Value);
    std::memcpy(data.data(), &Value, sizeof Value);
    FApi.SetValue(FCurrentKey, Name, REG_DWORD_TYPE, data);
}

int32_t TRegistry::ReadInteger(const std::string& Name) {
    uint32_t type = 0;
    std::vector<uint8_t> data;
    if (FApi.QueryValue(FCurrentKey, Name, type, data) != REG_NO_ERROR)
        throw ERegistryException("Failed to get data for '" + Name + "'");
    if (type != REG_DWORD_TYPE || data.size() != sizeof(int32_t))
        throw ERegistryException("Invalid data type for '" + Name + "'");
    int32_t value;
    std::memcpy(&value, data.data(), sizeof value);
    return value;
}

bool TRegistry::DeleteValue(const std::string& Name) {
    return FApi.DeleteValue(FCurrentKey, Name) == REG_NO_ERROR;
}

bool TRegistry::ValueExists(const std::string& Name) {
    uint32_t type = 0;
    std::vector<uint8_t> data;
    return FApi.QueryValue(FCurrentKey, Name, type, data) == REG_NO_ERROR;
}
