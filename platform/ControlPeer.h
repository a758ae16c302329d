#pragma once
// A peer binds a control to a real window. The control holds the state; the
// peer reads it back whenever the control says what changed.
#include <memory>

class TControl;

enum TControlChange { ccBounds, ccVisible, ccEnabled, ccCaption, ccHint, ccFont, ccState, ccPaint };

class TControlPeer {
public:
    virtual ~TControlPeer() = default;
    virtual void* Handle() const = 0;
    virtual void Changed(TControlChange What) = 0;
};

class TPeerFactory {
public:
    virtual ~TPeerFactory() = default;
    // Parent is the peer of the control's parent, or nullptr for a form.
    virtual std::unique_ptr<TControlPeer> CreatePeer(TControl& Control, TControlPeer* Parent) = 0;
};
