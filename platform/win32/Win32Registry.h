#pragma once
#include "platform/RegistryApi.h"

class TWin32Registry : public TRegistryApi {
public:
    long CreateKey(THKey Parent, const std::string& Path, THKey& Key) override;
    long OpenKey(THKey Parent, const std::string& Path, THKey& Key,
                 uint32_t Access = KEY_ALL_ACCESS_RIGHTS) override;
    long CloseKey(THKey Key) override;
    long SetValue(THKey Key, const std::string& Name, uint32_t Type, const std::vector<uint8_t>& Data) override;
    long QueryValue(THKey Key, const std::string& Name, uint32_t& Type, std::vector<uint8_t>& Data) override;
    long DeleteValue(THKey Key, const std::string& Name) override;
};
