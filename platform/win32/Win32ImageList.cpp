#include "platform/win32/Win32ImageList.h"

#include <vector>

#include "platform/win32/DibSection.h"
#include "ui/ImageList.h"

namespace {
// A monochrome bitmap with the transparent pixels set, rows padded to 16 bits.
HBITMAP CreateMask(const TImageList& List, int Index) {
    const int stride = (List.Width() + 15) / 16 * 2;
    std::vector<uint8_t> bits(static_cast<size_t>(stride) * List.Height(), 0);
    for (int y = 0; y < List.Height(); ++y)
        for (int x = 0; x < List.Width(); ++x)
            if (List.IsTransparent(Index, x, y)) bits[static_cast<size_t>(y) * stride + x / 8] |= 0x80 >> (x % 8);
    return CreateBitmap(List.Width(), List.Height(), 1, 1, bits.data());
}
}  // namespace

HIMAGELIST CreateSystemImageList(const TImageList* List) {
    if (!List) return nullptr;
    HIMAGELIST handle = ImageList_Create(List->Width(), List->Height(), ILC_COLOR24 | ILC_MASK, List->Count(), 1);
    for (int i = 0; handle && i < List->Count(); ++i) {
        // Where the mask is set the picture must be black, or the list's
        // masked drawing mixes it into the background.
        TBitmap picture;
        List->GetBitmap(i, picture, clBlack);
        HBITMAP image = CreateDibSection(picture), mask = CreateMask(*List, i);
        ImageList_Add(handle, image, mask);
        DeleteObject(image);
        DeleteObject(mask);
    }
    return handle;
}

TControlImages::~TControlImages() {
    if (FWnd) SendMessageA(FWnd, FSetMessage, FWhich, 0);
    if (FHandle) ImageList_Destroy(FHandle);
}

void TControlImages::Update(const TImageList* List) {
    HIMAGELIST old = FHandle;
    FHandle = CreateSystemImageList(List);
    SendMessageA(FWnd, FSetMessage, FWhich, reinterpret_cast<LPARAM>(FHandle));
    if (old) ImageList_Destroy(old);
}
