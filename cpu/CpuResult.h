#pragma once
// The component's results are read-only properties. Each still has a setter,
// which accepts a value and ignores it: neither code nor a streamed form can
// replace what the component found.
#include "core/Events.h"

#define CPU_RESULT(Type, Name)                   \
    const Type& Name() const { return F##Name; } \
    void Set##Name(const Type&) {}

// The owned objects live inside the component and are never copied.
class TCpuSubObject : public TObject {
public:
    TCpuSubObject() = default;
    TCpuSubObject(const TCpuSubObject&) = delete;
    TCpuSubObject& operator=(const TCpuSubObject&) = delete;
};
