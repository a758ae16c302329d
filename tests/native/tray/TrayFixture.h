#pragma once
// A tray icon owned by a form, over a fake shell, desktop and queue.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/fakes/FakeMessageQueue.h"
#include "tests/fakes/FakeShell.h"
#include "tests/fakes/FakeWindowSystem.h"
#include "ui/Application.h"
#include "ui/Form.h"

class TOwnerForm : public TForm {
public:
    using TForm::TForm;
    const char* ClassName() const override { return "TOwnerForm"; }
};

class TrayFixture : public ::testing::Test {
protected:
    TFakeMessageQueue Queue;
    TFakeWindowSystem Windows;
    TFakeShell Shell;
    TApplication App{Queue, Windows};
    TOwnerForm* Form = App.CreateForm<TOwnerForm>();
    std::vector<std::string> Events;

    TNotifyEvent Record(const std::string& Name) {
        return TNotifyEvent([this, Name](TObject*) { Events.push_back(Name); });
    }
    TMouseEvent RecordMouse(const std::string& Name) {
        return TMouseEvent([this, Name](TObject*, TMouseButton Button, int Shift, int, int) {
            Events.push_back(Name + (Button == mbLeft ? " left" : Button == mbRight ? " right" : " middle") +
                             ((Shift & ssShift) ? "+shift" : ""));
        });
    }
    // The last call the shell got.
    const TFakeShell::TCall& Last() const { return Shell.Calls.back(); }
};
