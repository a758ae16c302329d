#pragma once
// A registry accessor: a root key and at most one open key at a time.
#include <stdexcept>
#include <string>

#include "platform/RegistryApi.h"

class ERegistryException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TRegistry {
public:
    explicit TRegistry(TRegistryApi& Api) : FApi(Api) {}
    ~TRegistry() { CloseKey(); }
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    void SetRootKey(THKey Value);
    // Opens Path (from the root key when it begins with a backslash or when no
    // key is open, else below the open key), creating it when CanCreate.
    bool OpenKey(const std::string& Path, bool CanCreate);
    void CloseKey();

    void WriteString(const std::string& Name, const std::string& Value);
    void WriteInteger(const std::string& Name, int32_t Value);
    // Raises ERegistryException naming the value when it is missing or not an integer.
    int32_t ReadInteger(const std::string& Name);
    bool DeleteValue(const std::string& Name);
    // Whatever its type.
    bool ValueExists(const std::string& Name);

private:
    TRegistryApi& FApi;
    THKey FRootKey = HKEY_CURRENT_USER_KEY;
    THKey FCurrentKey = 0;
};
