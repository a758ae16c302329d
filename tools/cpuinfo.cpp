// cpuinfo: see cpuinfo --help.
#include <iostream>
#include <string_view>
#include <vector>

#include "cpu/cpuidProcessor.h"
#include "platform/CpuPlatform.h"
#include "tools/CpuinfoCommand.h"

int main(int argc, char** argv) {
    std::vector<std::string_view> Args(argv + 1, argv + argc);
    TProcessorCpuid& Processor = RunningProcessor();
    return RunCpuinfo(Args, {Processor, Processor, SystemCpuPlatform()}, std::cout, std::cerr);
}
