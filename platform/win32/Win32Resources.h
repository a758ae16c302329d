#pragma once
#include "platform/Resources.h"

// The RCDATA resources of the running executable.
class TWin32Resources : public TResources {
public:
    std::vector<uint8_t> Load(const std::string& Name) override;
};
