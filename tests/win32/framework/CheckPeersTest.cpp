// Check boxes and radio buttons on real windows, driven as a user would.
#include "tests/win32/framework/PeerHarness.h"

#include "ui/StdControls.h"

namespace {
std::string Mark(void* Wnd) { return SendMessageA(static_cast<HWND>(Wnd), BM_GETCHECK, 0, 0) == BST_CHECKED ? "x" : "."; }
}  // namespace

TEST_F(PeerHarness, CheckBoxFollowsUserAndProgram) {
    auto* box = new TCheckBox(Form);
    box->SetParent(Form);
    box->SetBounds(8, 8, 150, 20);
    box->SetCaption("Toujours visible?");
    box->OnClick = Record("click");
    box->OnMouseUp = TMouseEvent([this](TObject*, TMouseButton, int, int, int) { Events.push_back("mouseup"); });
    Form->Show();
    void* wnd = box->Handle();
    ASSERT_NE(wnd, nullptr);
    EXPECT_EQ(TextOf(wnd), "Toujours visible?");
    // Window mark, then model state.
    auto state = [&] { return Mark(wnd) + (box->Checked() ? "x" : ".") + Sent(wnd); };
    Run({
            {"user clicks", [&] { Click(wnd); }, "xx", {"click", "mouseup"}},
            {"user clicks again", [&] { Click(wnd); }, "..", {"click", "mouseup"}},
            {"space bar", [&] { Send(wnd, WM_KEYDOWN, VK_SPACE); Send(wnd, WM_KEYUP, VK_SPACE); }, "xx", {"click"}},
            {"BM_CLICK (the system clicks with the mouse messages)", [&] { Send(wnd, BM_CLICK); }, "..", {"click", "mouseup"}},
            {"program checks", [&] { box->SetChecked(true); }, "xx BM_SETCHECK", {"click"}},
            {"program sets the same", [&] { box->SetChecked(true); }, "xx", {}},
            {"program unchecks", [&] { box->SetChecked(false); }, ".. BM_SETCHECK", {"click"}},
            {"BM_CLICK while disabled: the mark comes back", [&] { box->SetEnabled(false); Send(wnd, BM_CLICK); },
             ".. BM_SETCHECK", {"mouseup"}},
        },
        state);
}

TEST_F(PeerHarness, RadioButtonsOfOneParentExcludeEachOther) {
    auto* group = new TGroupBox(Form);
    group->SetParent(Form);
    group->SetBounds(8, 8, 200, 100);
    group->SetCaption("Méthode");
    TRadioButton* radios[3];
    const char* names[] = {"Système", "Manuel", "Tout"};
    for (int i = 0; i < 3; ++i) {
        radios[i] = new TRadioButton(Form);
        radios[i]->SetParent(group);
        radios[i]->SetBounds(8, 16 + 24 * i, 150, 20);
        radios[i]->SetCaption(names[i]);
        radios[i]->OnClick = Record(names[i]);
    }
    auto* outsider = new TRadioButton(Form);  // another parent, another group
    outsider->SetParent(Form);
    outsider->SetBounds(8, 120, 150, 20);
    outsider->SetChecked(true);
    radios[0]->SetChecked(true);
    Form->Show();
    EXPECT_EQ(TextOf(group->Handle()), "Méthode");
    // Each button's window mark, its model and what the program sent it.
    auto state = [&] {
        std::string s;
        for (TRadioButton* r : radios) s += Mark(r->Handle()) + (r->Checked() ? "x" : ".") + Sent(r->Handle()) + " ";
        return s + Mark(outsider->Handle());
    };
    Run({
            {"start", [] {}, "xx .. .. x", {}},
            {"user picks Manuel: the program unchecks Système", [&] { Click(radios[1]->Handle()); },
             ".. BM_SETCHECK xx .. x", {"Manuel"}},
            {"user picks Manuel again", [&] { Click(radios[1]->Handle()); }, ".. xx .. x", {}},
            {"BM_CLICK on Tout", [&] { Send(radios[2]->Handle(), BM_CLICK); }, ".. .. BM_SETCHECK xx x", {"Tout"}},
            {"program picks Système", [&] { radios[0]->SetChecked(true); }, "xx BM_SETCHECK .. .. BM_SETCHECK x",
             {"Système"}},
            {"program unchecks it", [&] { radios[0]->SetChecked(false); }, ".. BM_SETCHECK .. .. x", {}},
        },
        state);
}
