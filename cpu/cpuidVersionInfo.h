#pragma once
// Version records of the library and of the component.
#include <cstdint>
#include <string>

#include "core/Events.h"

enum TBuildStatus { bsAlpha, bsBeta, bsFinal };
enum TReleaseStatus { rsPrivate, rsPublic };

class TCpuVersionInfo : public TObject {
public:
    TCpuVersionInfo(std::string Copyright, std::string Product, float Version, int32_t Build);

    const std::string& Copyright() const { return FCopyright; }
    const std::string& Product() const { return FProduct; }
    float Version() const { return FVersion; }
    int32_t Build() const { return FBuild; }
    TBuildStatus Status() const { return FStatus; }
    TReleaseStatus Release() const { return FRelease; }

private:
    std::string FCopyright;
    std::string FProduct;
    float FVersion;
    int32_t FBuild;
    TBuildStatus FStatus = bsFinal;
    TReleaseStatus FRelease = rsPublic;
};
