#include "platform/win32/Win32Resources.h"

#include <windows.h>

std::vector<uint8_t> TWin32Resources::Load(const std::string& Name) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC info = FindResourceA(module, Name.c_str(), MAKEINTRESOURCEA(10));  // RT_RCDATA
    if (!info) return {};
    HGLOBAL data = LoadResource(module, info);
    auto* bytes = static_cast<const uint8_t*>(LockResource(data));
    if (!bytes) return {};
    return std::vector<uint8_t>(bytes, bytes + SizeofResource(module, info));
}
