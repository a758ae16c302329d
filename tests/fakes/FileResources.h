#pragma once
// The program's resources read from the files of the source tree.
#include "platform/Resources.h"

class TFileResources : public TResources {
public:
    std::vector<uint8_t> Load(const std::string& Name) override;
};
