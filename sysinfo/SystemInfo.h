#pragma once
// The eight lines of the information page, computed afresh at each filling.
#include <cstdint>
#include <optional>
#include <string>

#include "cpu/cpuidSource.h"
#include "platform/RegistryApi.h"
#include "platform/SystemInfoApi.h"
#include "sysinfo/WindowsVersion.h"

struct TSystemInfoSources {
    TSystemInfoApi& System;
    TRegistryApi& Registry;        // "CSDVersion" outside 2000 and XP
    TTimeStampCounter* Counter;    // null on a processor without one
};

// Named after the labels that show them, in their filling order.
struct TSystemInfoLines {
    std::string VersionOs;
    std::string NomMachine;
    std::string NomUtilisateur;
    std::string IpAdresse;
    // Nothing for an unusable drive: its label keeps what it showed.
    std::optional<std::string> DisqueC;
    std::optional<std::string> DisqueD;
    std::string Ram;
    std::string CpuSpeed;
};

// Blocks for about a second (the clock), plus the address lookup and the
// drive searches.
TSystemInfoLines InfoSystemLines(const TSystemInfoSources& Sources, const TWindowsVersion& Version,
                                 int64_t InstalledMB, char DecimalSeparator);
