#pragma once
// The component's results are read-only properties: nothing outside the
// component can replace what it found.
#include "core/Events.h"

#define CPU_RESULT(Type, Name) \
    const Type& Name() const { return F##Name; }

// The owned objects live inside the component and are never copied.
class TCpuSubObject : public TObject {
public:
    TCpuSubObject() = default;
    TCpuSubObject(const TCpuSubObject&) = delete;
    TCpuSubObject& operator=(const TCpuSubObject&) = delete;
};
