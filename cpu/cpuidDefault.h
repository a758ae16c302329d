#pragma once
// The rules for an unrecognised vendor (and every processor without CPUID),
// and the clock measurement that every vendor shares.
#include <cstdint>

#include "cpu/cpuidVendor.h"

extern const TCpuVendor DefaultVendor;

// The clock in MHz from the time-stamp counter over Delay milliseconds of
// the tick count; -1.0 without counter or with a delay below 1.
float MeasureSpeed(TCpuidAPI& Api, int32_t Delay);
// Snaps a measured clock to the usual frequencies (..., 233, 266, 300, 333, ...).
int32_t NormaliseSpeed(double MHz);
