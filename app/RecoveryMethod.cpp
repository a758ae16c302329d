#include "app/RecoveryMethod.h"

#include "core/Rounding.h"

int64_t InstalledMegabytes(const TMemRecovery& Engine) {
    return RoundedMegabytes(Engine.TotalMemory());
}

TRecoveryRun MethodRun(int Method, int ManualMB, const TMemRecovery& Engine) {
    switch (Method) {
        case ManualMethod: return {"Manuel", ManualMB};
        case WholeMethod: return {"Tout", Engine.AllBlocks()};
        default: return {"Système", static_cast<int>(RoundHalfEven(InstalledMegabytes(Engine) / 2.0))};
    }
}
