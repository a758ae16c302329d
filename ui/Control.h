#pragma once
// Controls hold their state themselves and work without any window; a peer,
// when one is attached, is brought in step by every setter.
#include <memory>
#include <string>
#include <vector>

#include "core/Component.h"
#include "platform/ControlPeer.h"
#include "ui/Font.h"
#include "core/Graphics.h"

class TCanvas;
class TWinControl;

class TControl : public TComponent {
public:
    explicit TControl(TComponent* AOwner);
    ~TControl() override;

    TWinControl* Parent() const { return FParent; }
    void SetParent(TWinControl* Value);

    const TRect& BoundsRect() const { return FBounds; }
    void SetBounds(int Left, int Top, int Width, int Height);
    int Left() const { return FBounds.Left; }
    int Top() const { return FBounds.Top; }
    int Width() const { return FBounds.Width(); }
    int Height() const { return FBounds.Height(); }

    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& Value);
    TFont& Font() { return FFont; }
    const TFont& Font() const { return FFont; }

    TNotifyEvent OnClick;
    virtual void Click() { OnClick(this); }
    // Self-drawn controls paint here; standard kinds are drawn by the system.
    virtual void Paint(TCanvas&) {}
    void Invalidate() { Changed(ccPaint); }

    TControlPeer* Peer() const { return FPeer.get(); }
    void* Handle() const { return FPeer ? FPeer->Handle() : nullptr; }
    // Creates the peers of this control and, for containers, of its children.
    virtual void CreatePeers(TPeerFactory& Factory);
    virtual void DestroyPeers() { FPeer.reset(); }

protected:
    void Changed(TControlChange What) {
        if (FPeer) FPeer->Changed(What);
    }

private:
    TWinControl* FParent = nullptr;
    TRect FBounds;
    bool FVisible = true;
    bool FEnabled = true;
    std::string FCaption;
    std::string FHint;
    TFont FFont;
    std::unique_ptr<TControlPeer> FPeer;
};

class TWinControl : public TControl {
public:
    using TControl::TControl;
    ~TWinControl() override;

    int ControlCount() const { return static_cast<int>(FControls.size()); }
    TControl* Controls(int Index) const { return FControls.at(Index); }
    void CreatePeers(TPeerFactory& Factory) override;
    void DestroyPeers() override;

private:
    friend class TControl;
    std::vector<TControl*> FControls;
};
