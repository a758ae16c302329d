#pragma once
// A news feed owned by a form, over fakes: the network, the files, the
// shell, and a desktop whose windows are recording peers and whose sent
// messages reach the form they are sent to.
#include <gtest/gtest.h>

#include <string>

#include "news/NewsFeed.h"
#include "news/NewsNotifyWindow.h"
#include "tests/fakes/FakeDownloadApi.h"
#include "tests/fakes/FakeFileSystem.h"
#include "tests/fakes/FakeMessageQueue.h"
#include "tests/fakes/FakeShell.h"
#include "tests/fakes/FakeWindowSystem.h"
#include "tests/fakes/FileResources.h"
#include "tests/fakes/RecordingPeers.h"
#include "ui/Application.h"
#include "ui/Form.h"

class TNewsDesktop : public TFakeWindowSystem {
public:
    TRecordingPeers Peers;
    TPeerFactory* PeerFactory() override { return &Peers; }
    // A recording peer's handle is its control.
    intptr_t SendToWindow(void* Wnd, uint32_t Msg, uintptr_t WParam, intptr_t LParam) override {
        TFakeWindowSystem::SendToWindow(Wnd, Msg, WParam, LParam);
        auto* form = dynamic_cast<TForm*>(static_cast<TControl*>(Wnd));
        TMessage message{Wnd, Msg, WParam, LParam, 0, 0, 0};
        intptr_t result = 0;
        if (form) form->Dispatch(message, result);
        return result;
    }
};

class TNewsOwner : public TForm {
public:
    using TForm::TForm;
    const char* ClassName() const override { return "TNewsOwner"; }
};

class NewsFixture : public ::testing::Test {
protected:
    static constexpr const char* URL = "http://news.example/feed/NewsFeed.inf";
    static constexpr const char* Copy = "C:\\Torvane\\NewsFeed.inf";
    static constexpr const char* TempCopy = "C:\\Temp\\NewsFeed.inf";

    TFakeMessageQueue Queue;
    TNewsDesktop Desktop;
    TFakeShell Shell;
    TFakeFileSystem Files;
    TFakeDownloadApi Network{Files};
    TFileResources Resources;
    TApplication App{Queue, Desktop};
    TNewsOwner* Owner = App.CreateForm<TNewsOwner>();
    TNewsFeed* Feed = new TNewsFeed(Owner, App, {Shell, Network, Files, Resources, "C:\\Torvane\\TorvaneXP.exe"});
    TNewsDialog& Dialog = *Feed->Dialog();

    void SetUp() override {
        Feed->SetURL(URL);
        Feed->ShowNews();
    }
    void Serve(const std::string& Body, TFakeDownloadApi::TOutcome Outcome = TFakeDownloadApi::doComplete) {
        Network.Answers[URL] = {Outcome, Body};
    }
    // The user's click on "Update".
    void Update() {
        Dialog.btnUpdate->MouseDown(mbLeft, ssLeft, 5, 5);
        Dialog.btnUpdate->MouseUp(mbLeft, 0, 5, 5);
    }
    std::string Status() const { return Dialog.StatusBar->SimpleText(); }
    // The nodes as "heading{caption:image, ...}" joined by " / ".
    std::string Tree() const {
        std::string shown;
        for (int i = 0; i < Dialog.tvDirect->Count(); ++i) {
            const TTreeNode* heading = Dialog.tvDirect->Item(i);
            if (!shown.empty()) shown += " / ";
            shown += heading->Text() + ":" + std::to_string(heading->ImageIndex()) + "{";
            for (int j = 0; j < heading->Count(); ++j)
                shown += (j ? ", " : "") + heading->Item(j)->Text() + ":" + std::to_string(heading->Item(j)->ImageIndex());
            shown += "}";
        }
        return shown;
    }
    // The user's click on a node: the tree selects it, then tells of the click.
    void ClickNode(TTreeNode* Node) {
        Dialog.tvDirect->SelectedFromWindow(Node);
        Dialog.tvDirect->Click();
    }
    TTreeNode* Node(int Heading, int Link = -1) const {
        TTreeNode* heading = Dialog.tvDirect->Item(Heading);
        return Link < 0 ? heading : heading->Item(Link);
    }
};
