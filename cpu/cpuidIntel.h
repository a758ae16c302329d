#pragma once
#include "cpu/cpuidVendor.h"

extern const TCpuVendor IntelVendor;
