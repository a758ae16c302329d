// The monitoring cycle: free memory and processor use every tick, shown on
// the page, the chart and the tray icon; the alarm and interval triggers;
// the one-shot hiding after start; the chart's refresh rate.
#include "app/Umain.h"

#include <algorithm>

#include "app/TrayFigure.h"
#include "core/Rounding.h"
#include "ui/Locale.h"

namespace {
// The tray icon's colour by the free percentage.
TColor FreeColor(int64_t Percent) {
    if (Percent <= 25) return clRed;
    if (Percent <= 45) return clYellow;
    return clLime;
}

// The platform's longest timer interval.
constexpr int64_t LongestIntervalMs = 2147483647;
}  // namespace

void TfMainMem::Timer1Timer(TObject*) {
    FreeBytes = MemRecovery1->FreeMemory();
    const int64_t total = MemRecovery1->TotalMemory();
    FreePercent = total > 0 ? RoundHalfEven(static_cast<double>(FreeBytes) / total * 100) : 0;
    const int64_t megabytes = RoundedMegabytes(FreeBytes);
    const std::string trayText = TrayFigure(megabytes, DecimalSeparator());
    TrayIcon1->SetHint(TrayTip(megabytes));
    PerfChart1->Plot(static_cast<int32_t>(FreePercent), static_cast<int32_t>(CpuPercent), SpinEdit1->Value());
    if (!DefragRunning) Gauge1->SetPosition(static_cast<int32_t>(FreePercent));
    // The icon is drawn and handed to the shell again only when what it
    // shows changes: the reading moves by a few bytes at almost every tick.
    if (FreeBytes != ShownFreeBytes) {
        ShownFreeBytes = FreeBytes;
        if (TrayIcon1->Color() != FreeColor(FreePercent)) TrayIcon1->SetColor(FreeColor(FreePercent));
        if (TrayIcon1->Text() != trayText) TrayIcon1->SetText(trayText);
    }
    BoldLabel3->SetCaption(std::to_string(megabytes) + " MB");
}

// The exact free memory, then the last run's result where the shell's tip
// holds two lines (a tip of 63 characters, before shell32 5.0, does not).
std::string TfMainMem::TrayTip(int64_t FreeMegabytes) const {
    std::string tip = "RAM Libre : " + std::to_string(FreeMegabytes) + " MB sur " + std::to_string(InstalledMB) +
                      " MB RAM Installée";
    const TRunRecord* last = Journal ? Journal->LastRun() : nullptr;
    if (last && FSystem.Shell.TipLength() > 63) tip += "\r\n" + LastRunLine(*last);
    return tip;
}

// A failing sample falls back on the estimate; the figure is a percentage
// whatever the source says.
void TfMainMem::Timer2Timer(TObject*) {
    try {
        FSampler.SampleCpu();
        CpuPercent = RoundHalfEven(FSampler.CpuUsage(0) * 100);
    } catch (const std::exception&) {
        CpuPercent = FEstimator.EstimateCpuUsage();
    }
    CpuPercent = std::clamp<int64_t>(CpuPercent, 0, 100);
    CpuGauge1->SetPosition(static_cast<int32_t>(CpuPercent));
    CpuSum += CpuPercent / 100.0;
    CpuGauge2->SetPosition(static_cast<int32_t>(RoundHalfEven(CpuSum / CpuSamples * 100)));
    ++CpuSamples;
}

void TfMainMem::Timer3Timer(TObject*) {
    if (CheckBox3->Checked() && FreePercent < SpinEdit1->Value() && CpuPercent <= SpinEdit3->Value() &&
        AutomaticRunPermitted())
        RecupRam(rtAlarm);
}

void TfMainMem::Timer4Timer(TObject*) {
    Timer4->SetEnabled(false);
    TrayIcon1->SetIconVisible(true);
    Hide();
}

void TfMainMem::Timer5Timer(TObject*) {
    if (CpuPercent <= SpinEdit3->Value() && !DefragRunning && AutomaticRunPermitted()) RecupRam(rtInterval);
}

// Every change of the check mark, by mouse or keyboard, arms or disarms the
// interval trigger.
void TfMainMem::CheckBox5Click(TObject*) {
    SpinEdit2->SetEnabled(CheckBox5->Checked());
    ArmIntervalTrigger(CheckBox5->Checked());
    RunOptionChanged(this);
}

void TfMainMem::ArmIntervalTrigger(bool Armed) {
    Timer5->SetEnabled(Armed);
    if (Armed) SpinEdit2Change(SpinEdit2);
}

// Minutes in 64 bits: none or fewer never fire, more than the platform can
// time are held at its longest interval.
void TfMainMem::SpinEdit2Change(TObject*) {
    const int64_t interval = static_cast<int64_t>(SpinEdit2->Value()) * 60000;
    Timer5->SetInterval(static_cast<uint32_t>(std::clamp<int64_t>(interval, 0, LongestIntervalMs)));
    RunOptionChanged(this);
}

void TfMainMem::SpinEdit1Change(TObject*) {
    PerfChart1->Init();
    RunOptionChanged(this);
}

void TfMainMem::SetFastTickInterval(uint32_t Milliseconds, TMenuItem* Checked) {
    Timer1->SetInterval(Milliseconds);
    Timer2->SetInterval(Milliseconds);
    for (TMenuItem* item : {Basse1, Normale1, Haute1}) item->SetChecked(item == Checked);
}

void TfMainMem::Basse1Click(TObject*) { SetFastTickInterval(2000, Basse1); }
void TfMainMem::Moyen1Click(TObject*) { SetFastTickInterval(1000, Normale1); }
void TfMainMem::Haute1Click(TObject*) { SetFastTickInterval(500, Haute1); }
