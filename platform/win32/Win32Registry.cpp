#include "platform/win32/Win32Registry.h"

#include <windows.h>

namespace {
HKEY AsHKey(THKey Key) { return reinterpret_cast<HKEY>(Key); }
}  // namespace

long TWin32Registry::CreateKey(THKey Parent, const std::string& Path, THKey& Key) {
    HKEY key = nullptr;
    DWORD disposition = 0;
    LONG error = RegCreateKeyExA(AsHKey(Parent), Path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                 KEY_ALL_ACCESS, nullptr, &key, &disposition);
    Key = reinterpret_cast<THKey>(key);
    return error;
}

long TWin32Registry::OpenKey(THKey Parent, const std::string& Path, THKey& Key, uint32_t Access) {
    HKEY key = nullptr;
    LONG error = RegOpenKeyExA(AsHKey(Parent), Path.c_str(), 0, Access, &key);
    Key = reinterpret_cast<THKey>(key);
    return error;
}

long TWin32Registry::CloseKey(THKey Key) { return RegCloseKey(AsHKey(Key)); }

long TWin32Registry::SetValue(THKey Key, const std::string& Name, uint32_t Type, const std::vector<uint8_t>& Data) {
    return RegSetValueExA(AsHKey(Key), Name.c_str(), 0, Type, Data.data(), static_cast<DWORD>(Data.size()));
}

long TWin32Registry::QueryValue(THKey Key, const std::string& Name, uint32_t& Type, std::vector<uint8_t>& Data) {
    DWORD type = 0, size = 0;
    LONG error = RegQueryValueExA(AsHKey(Key), Name.c_str(), nullptr, &type, nullptr, &size);
    if (error != ERROR_SUCCESS) return error;
    Data.resize(size);
    error = RegQueryValueExA(AsHKey(Key), Name.c_str(), nullptr, &type, Data.data(), &size);
    Data.resize(size);
    Type = type;
    return error;
}

long TWin32Registry::DeleteValue(THKey Key, const std::string& Name) {
    return RegDeleteValueA(AsHKey(Key), Name.c_str());
}
