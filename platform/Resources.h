#pragma once
// Data the program carries with it (the resources of the executable).
#include <cstdint>
#include <string>
#include <vector>

class TResources {
public:
    virtual ~TResources() = default;
    // The bytes of the named resource; empty when there is none.
    virtual std::vector<uint8_t> Load(const std::string& Name) = 0;
};
