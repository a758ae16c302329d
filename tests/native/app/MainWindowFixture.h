#pragma once
#include <gtest/gtest.h>

#include <memory>

#include "app/Umain.h"
#include "tests/fakes/FakeMemoryApi.h"
#include "tests/fakes/FakeMessageQueue.h"
#include "tests/fakes/FakePerformanceApi.h"
#include "tests/fakes/FakeRegistry.h"
#include "tests/fakes/FakeWindowSystem.h"
#include "tests/fakes/FileResources.h"
#include "ui/Application.h"

constexpr uint64_t MB = 1024 * 1024;

// A main window over fake memory, queue, registry, performance data and desktop.
class MainWindowTest : public ::testing::Test {
protected:
    TFakeMemoryApi Memory;
    TFakeMessageQueue Queue;
    TFakeWindowSystem Windows;
    TFakeRegistry Registry;
    TFileResources Resources;
    TFakePerformanceApi Performance;
    TMainMemSystem System{Memory, Registry, Resources, Performance, "C:\\Programmes\\Torvane\\TorvaneXP.exe"};
    std::unique_ptr<TCpuSampler> Sampler;
    std::unique_ptr<TApplication> App;
    TfMainMem* Form = nullptr;

    void Create(uint64_t TotalBytes) {
        Memory.Status = {TotalBytes, TotalBytes / 2};
        App.reset();
        Sampler = std::make_unique<TCpuSampler>(Performance, Registry);
        App = std::make_unique<TApplication>(Queue, Windows);
        Form = App->CreateForm<TfMainMem>(System, *Sampler);
    }
    TRadioButton* RadioButton(int Method) const {
        return Method == 1 ? Form->RadioButton1 : Method == 2 ? Form->RadioButton2 : Form->RadioButton3;
    }
    std::string SavedVersion() const { return Registry.StringValue("HKCU\\Software\\Torvane XP\\settings", "Version"); }
    bool QuitQueued() {
        TMessage m;
        while (Queue.PeekMessage(m))
            if (m.Msg == WM_QUIT_MESSAGE) return true;
        return false;
    }
};
