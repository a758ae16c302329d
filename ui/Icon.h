#pragma once
// A small picture with the pixels that are transparent: what a tray icon or
// a window shows as its icon. Empty until a picture is given.
#include <vector>

#include "core/Events.h"
#include "ui/Bitmap.h"

class TImageList;

class TIcon : public TObject {
public:
    TIcon() = default;
    TIcon(const TIcon&) = delete;
    TIcon& operator=(const TIcon&) = delete;

    bool Empty() const { return FPicture.Empty(); }
    int Width() const { return FPicture.Width(); }
    int Height() const { return FPicture.Height(); }
    const TBitmap& Picture() const { return FPicture; }
    bool IsTransparent(int X, int Y) const { return FTransparent[static_cast<size_t>(Y) * Width() + X]; }

    // The bitmap with every pixel of TransparentColor transparent (none for
    // clNone), as an image list would make it.
    void AssignBitmap(const TBitmap& Picture, TColor TransparentColor);
    void Assign(const TIcon& Source);
    // Image Index of the list, with its mask.
    void AssignImage(const TImageList& List, int Index);
    void Clear();

    TNotifyEvent OnChange;

private:
    TBitmap FPicture;
    std::vector<bool> FTransparent;
};
