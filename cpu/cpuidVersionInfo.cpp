#include "cpu/cpuidVersionInfo.h"

#include <utility>

TCpuVersionInfo::TCpuVersionInfo(std::string Copyright, std::string Product, float Version, int32_t Build)
    : FCopyright(std::move(Copyright)), FProduct(std::move(Product)), FVersion(Version), FBuild(Build) {}
