#include "sysinfo/SystemInfo.h"

#include "core/Rounding.h"
#include "sysinfo/ClockSpeed.h"

namespace {

// The last address of the host's entry; empty when there is none.
std::string LastHostAddress(TSystemInfoApi& System) {
    const std::optional<std::string> Name = System.HostName();
    if (!Name) return {};
    const auto Addresses = System.HostAddresses(*Name);
    return Addresses && !Addresses->empty() ? Addresses->back() : std::string();
}

// Sockets that started are released whatever the lookup found.
std::string HostAddress(TSystemInfoApi& System) {
    if (!System.StartSockets()) return {};
    const std::string Address = LastHostAddress(System);
    System.CleanupSockets();
    return Address;
}

// An empty floppy or CD still answers its search; a missing or unready
// drive does not.
bool DriveUsable(TSystemInfoApi& System, char Letter) {
    const uint32_t Result = System.FindFirstFileResult(std::string(1, Letter) + ":\\*.*");
    return Result == SEARCH_FILE_FOUND || Result == SEARCH_FILE_NOT_FOUND || Result == SEARCH_NO_MORE_FILES;
}

std::string Megabytes(int64_t Bytes) { return std::to_string(RoundedMegabytes(Bytes)); }

std::optional<std::string> DriveLine(TSystemInfoApi& System, char Letter, const char* Ending) {
    if (!DriveUsable(System, Letter)) return std::nullopt;
    const std::string Root = std::string(1, Letter) + ":\\";
    const TDiskSpace Space = System.DiskSpace(Root);
    return Root + " : " + Megabytes(Space.FreeBytes) + " Mo libres | " + Megabytes(Space.TotalBytes) + Ending;
}

}  // namespace

TSystemInfoLines InfoSystemLines(const TSystemInfoSources& Sources, const TWindowsVersion& Version,
                                 int64_t InstalledMB, char DecimalSeparator) {
    TSystemInfoApi& System = Sources.System;
    TSystemInfoLines Lines;
    const std::string Machine = System.ComputerName();
    const std::string User = System.UserName();
    Lines.VersionOs = OsVersionLine(System, Sources.Registry, Version);
    Lines.NomMachine = "Nom Machine : " + Machine;
    Lines.NomUtilisateur = "Nom Utilisateur : " + User;
    Lines.IpAdresse = "Addresse IP : " + HostAddress(System);
    Lines.DisqueC = DriveLine(System, 'C', " Mo ");
    Lines.DisqueD = DriveLine(System, 'D', " Mo");
    Lines.Ram = "RAM Installée : " + std::to_string(InstalledMB) + " MB";
    Lines.CpuSpeed = "Vitesse réelle Processeur : " +
                     ClockMhzText(MeasureClockMhz(System, Sources.Counter), DecimalSeparator) + " Mhz";
    return Lines;
}
