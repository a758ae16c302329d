#pragma once
// The system's image lists, for the common controls that show pictures.
#include <windows.h>
#include <commctrl.h>

class TImageList;

// A new system image list with the list's images and masks; nullptr for
// none. The caller destroys it with ImageList_Destroy.
HIMAGELIST CreateSystemImageList(const TImageList* List);

// The system image list that a common control shows: made again from the
// program's list on every change, and taken from the control before it goes.
class TControlImages {
public:
    // SetMessage and Which: how the control is given its list
    // (LVM_SETIMAGELIST with LVSIL_SMALL, TVM_SETIMAGELIST with TVSIL_NORMAL).
    TControlImages(const HWND& Wnd, UINT SetMessage, WPARAM Which) : FWnd(Wnd), FSetMessage(SetMessage), FWhich(Which) {}
    ~TControlImages();
    TControlImages(const TControlImages&) = delete;
    TControlImages& operator=(const TControlImages&) = delete;
    void Update(const TImageList* List);

private:
    const HWND& FWnd;  // the peer's, which the system may clear
    UINT FSetMessage;
    WPARAM FWhich;
    HIMAGELIST FHandle = nullptr;
};
