#pragma once
// A form's window: a top-level window of the form's own class, framed by its
// border style, with the form's tool-tips, opacity and stay-on-top.
#include "platform/win32/Win32Hints.h"
#include "platform/win32/peers/Win32Peer.h"

class TForm;

class TFormPeer : public TWin32Peer {
public:
    explicit TFormPeer(TForm& Form);
    THintWindow& Hints() { return FHints; }

protected:
    void KindChanged(TControlChange What) override;
    bool WindowMessage(UINT Msg, WPARAM WParam, LPARAM LParam, LRESULT& Result) override;

private:
    TForm& Form() const;
    void ApplyClientSize();
    THintWindow FHints;
};
