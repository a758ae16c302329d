#pragma once
#include <gtest/gtest.h>

#include <memory>

#include "app/Umain.h"
#include "sysinfo/WindowsVersion.h"
#include "tests/fakes/FakeClock.h"
#include "tests/fakes/FakeCpuSystem.h"
#include "tests/fakes/FakeDownloadApi.h"
#include "tests/fakes/FakeFileSystem.h"
#include "tests/fakes/FakeInstanceLink.h"
#include "tests/fakes/FakeMemoryApi.h"
#include "tests/fakes/FakeMessageQueue.h"
#include "tests/fakes/FakePerformanceApi.h"
#include "tests/fakes/FakeRegistry.h"
#include "tests/fakes/FakeShell.h"
#include "tests/fakes/FakeSystemInfoApi.h"
#include "tests/fakes/FakeWindowSystem.h"
#include "tests/fakes/FileResources.h"
#include "tests/native/cpu/CpuTestData.h"
#include "ui/Application.h"

constexpr uint64_t MB = 1024 * 1024;

// A main window over fake memory, queue, registry, performance data, system
// and desktop, on a recorded processor (a Pentium III unless UseProcessor
// names another recording).
class MainWindowTest : public ::testing::Test {
protected:
    TFakeMemoryApi Memory;
    TFakeMessageQueue Queue;
    TFakeWindowSystem Windows;
    TFakeRegistry Registry;
    TFileResources Resources;
    TFakePerformanceApi Performance;
    TFakeShell Shell;
    TFakeSystemInfoApi SystemInfo;
    TFakeFileSystem Files;
    TFakeDownloadApi Download{Files};
    TRecordedCpu Cpu{CpuidDump("pentium3-katmai.dump")};
    TFakeClock Clock{Windows.Clock};
    TFakeInstanceLink Link;
    TMainMemSystem System{Memory,   Registry, Resources, Performance, Shell, SystemInfo,
                          Download, Files,    {Cpu.Dump, SystemInfo, Cpu.Platform},
                          "C:\\Programmes\\Torvane\\TorvaneXP.exe", Clock, Link};
    std::unique_ptr<TCpuSampler> Sampler;
    std::unique_ptr<TApplication> App;
    TfMainMem* Form = nullptr;

    void UseProcessor(const std::string& DumpName) { Cpu.Dump = TCpuidDump::Parse(CpuidDump(DumpName)); }
    void Create(uint64_t TotalBytes) {
        Memory.Status = {TotalBytes, TotalBytes / 2};
        App.reset();
        InitWindowsVersion(SystemInfo);
        Sampler = std::make_unique<TCpuSampler>(Performance, Registry);
        App = std::make_unique<TApplication>(Queue, Windows);
        Form = App->CreateForm<TfMainMem>(System, *Sampler);
    }
    TRadioButton* RadioButton(int Method) const {
        return Method == 1 ? Form->RadioButton1 : Method == 2 ? Form->RadioButton2 : Form->RadioButton3;
    }
    // A value stored before the program starts (Path below HKCU or HKLM).
    void Store(THKey Root, const std::string& Path, const std::string& Name, uint32_t Type, std::vector<uint8_t> Data) {
        THKey key = 0;
        Registry.CreateKey(Root, Path, key);
        Registry.SetValue(key, Name, Type, Data);
        Registry.CloseKey(key);
    }
    void StoreInt(const std::string& Path, const std::string& Name, uint32_t Value, THKey Root = HKEY_CURRENT_USER_KEY) {
        Store(Root, Path, Name, REG_DWORD_TYPE,
              {uint8_t(Value), uint8_t(Value >> 8), uint8_t(Value >> 16), uint8_t(Value >> 24)});
    }
    int32_t StoredInt(const std::string& FullPath, const std::string& Name) const {
        const TFakeRegistry::TValue* v = Registry.Value(FullPath, Name);
        if (!v || v->Type != REG_DWORD_TYPE || v->Data.size() != 4) return -999;
        return int32_t(v->Data[0] | v->Data[1] << 8 | v->Data[2] << 16 | uint32_t(v->Data[3]) << 24);
    }
    std::string SavedVersion() const { return Registry.StringValue("HKCU\\Software\\Torvane XP\\settings", "Version"); }
    bool QuitQueued() {
        TMessage m;
        while (Queue.PeekMessage(m))
            if (m.Msg == WM_QUIT_MESSAGE) return true;
        return false;
    }
};
