// The information page: the Windows edition's picture, chosen once, and the
// system's lines, filled at creation and on every refresh.
#include "app/Umain.h"

#include "sysinfo/SystemInfo.h"
#include "ui/Locale.h"

void TfMainMem::ShowWindowsLogo() {
    TImage* logos[] = {LogoWin95, LogoWin98, LogoWinNT, LogoWin2K, LogoWinXP};  // in the order of TWindowsLogo
    for (TImage* logo : logos) logo->SetVisible(false);
    logos[WindowsLogo(RunningWindowsVersion())]->SetVisible(true);
}

void TfMainMem::GetInfoSystem() {
    // Reading the counter where the processor has none would fault.
    TTimeStampCounter* counter = CpuInfo1->FeatureSet().TSC() ? &FSystem.Cpu.Counter : nullptr;
    const TSystemInfoLines lines = InfoSystemLines({FSystem.SystemInfo, FSystem.Registry, counter},
                                                   RunningWindowsVersion(), InstalledMB, DecimalSeparator());
    Label_version_os->SetCaption(lines.VersionOs);
    Label_nom_machine->SetCaption(lines.NomMachine);
    Label_nom_utilisateur->SetCaption(lines.NomUtilisateur);
    Label_ip_adresse->SetCaption(lines.IpAdresse);
    if (lines.DisqueC) Label_disque_c->SetCaption(*lines.DisqueC);
    if (lines.DisqueD) Label_disque_d->SetCaption(*lines.DisqueD);
    Label_ram->SetCaption(lines.Ram);
    Label_cpu_speed->SetCaption(lines.CpuSpeed);
}

void TfMainMem::SkinButton3Click(TObject*) { GetInfoSystem(); }
