#pragma once
// A peer binds a control to a real window. The control holds the state; the
// peer reads it back whenever the control says what changed, and hands what
// the user does in the window back to the control.
#include <memory>

class TControl;

// What a peer is made for: one peer kind per control kind.
enum TControlKind {
    ckCustom,  // self-drawn: our own window class, painted through Paint()
    ckForm,
    ckLabel,
    ckButton,
    ckCheckBox,
    ckRadioButton,
    ckGroupBox,
    ckPanel,
    ckPageControl,
    ckTabSheet,
    ckTrackBar,
    ckEdit,
    ckListView,
    ckTreeView,
    ckStatusBar,
    ckOwnerDrawButton,  // a push button that the program draws, through Paint()
};

// Which property changed; each kind reads back only its own.
enum TControlChange {
    ccBounds,
    ccVisible,
    ccEnabled,
    ccCaption,
    ccHint,
    ccFont,
    ccPaint,
    ccChecked,       // check box, radio button
    ccTabs,          // page control: the pages and their captions
    ccActivePage,    // page control
    ccAlphaBlend,    // form: layered opacity
    ccShowHint,      // form: tool-tips on or off
    ccHintColor,     // form: the application's tool-tip colour
    ccTopMost,       // form
    ccClientSize,    // form: the inside's size, from which the window's follows
    ccRange,         // track bar: minimum, maximum, tick frequency
    ccPosition,      // track bar
    ccSelection,     // track bar's selection; list or tree selection
    ccText,          // edit
    ccColumns,       // list view
    ccItems,         // list view rows, tree view nodes, status bar text
    ccImages,        // the image list a list or tree view draws from
    ccCursor,
    ccFocus,         // the control asks for the keyboard focus
    ccCapture,       // the control takes or gives back the mouse capture
    ccReadOnly,      // edit
};

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
