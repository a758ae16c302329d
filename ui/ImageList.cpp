#include "ui/ImageList.h"

#include <algorithm>

#include "ui/Canvas.h"

TImageList::TImageList(TComponent* AOwner, int Width, int Height)
    : TComponent(AOwner), FWidth(std::max(Width, 1)), FHeight(std::max(Height, 1)) {}

TImageList::~TImageList() = default;

int TImageList::Add(const TBitmap& Image, const TBitmap* Mask) {
    TEntry entry{std::make_unique<TBitmap>(FWidth, FHeight), std::vector<bool>(static_cast<size_t>(FWidth) * FHeight, true)};
    for (int y = 0; y < std::min(FHeight, Image.Height()); ++y) {
        for (int x = 0; x < std::min(FWidth, Image.Width()); ++x) {
            entry.Picture->ScanLine(y)[x] = Image.ScanLine(y)[x];
            const bool masked = Mask && x < Mask->Width() && y < Mask->Height() && (Mask->ScanLine(y)[x] & 0xFFFFFF) == 0xFFFFFF;
            entry.Transparent[static_cast<size_t>(y) * FWidth + x] = masked;
        }
    }
    return Append(std::move(entry));
}

int TImageList::AddMasked(const TBitmap& Image, TColor TransparentColor) {
    TBitmap mask(Image.Width(), Image.Height());
    const uint32_t key = ColorToPixel(Image.Canvas().ColorToRGB(TransparentColor));
    for (int y = 0; y < Image.Height(); ++y)
        for (int x = 0; x < Image.Width(); ++x)
            mask.ScanLine(y)[x] = TransparentColor != clNone && (Image.ScanLine(y)[x] & 0xFFFFFF) == key ? 0xFFFFFF : 0;
    return Add(Image, &mask);
}

int TImageList::Append(TEntry Entry) {
    FImages.push_back(std::move(Entry));
    Changed();
    return Count() - 1;
}

void TImageList::Clear() {
    if (FImages.empty()) return;
    FImages.clear();
    Changed();
}

bool TImageList::IsTransparent(int Index, int X, int Y) const {
    if (X < 0 || Y < 0 || X >= FWidth || Y >= FHeight) return true;
    return FImages.at(Index).Transparent[static_cast<size_t>(Y) * FWidth + X];
}

void TImageList::GetBitmap(int Index, TBitmap& Target, TColor Background) const {
    const TEntry& entry = FImages.at(Index);
    Target.SetSize(FWidth, FHeight);
    const uint32_t background = ColorToPixel(Target.Canvas().ColorToRGB(Background));
    for (int y = 0; y < FHeight; ++y)
        for (int x = 0; x < FWidth; ++x)
            Target.ScanLine(y)[x] = IsTransparent(Index, x, y) ? background : entry.Picture->ScanLine(y)[x];
    Target.Changed();
}

void TImageList::Draw(TCanvas& Canvas, int X, int Y, int Index) const {
    const TBitmap& picture = *FImages.at(Index).Picture;
    for (int y = 0; y < FHeight; ++y)
        for (int x = 0; x < FWidth; ++x)
            if (!IsTransparent(Index, x, y)) Canvas.SetPixels(X + x, Y + y, PixelToColor(picture.ScanLine(y)[x]));
}

void TImageList::AddChangeLink(const void* Client, std::function<void()> Call) {
    RemoveChangeLink(Client);
    FLinks.push_back({Client, std::move(Call)});
}

void TImageList::RemoveChangeLink(const void* Client) {
    std::erase_if(FLinks, [Client](const TLink& link) { return link.Client == Client; });
}

void TImageList::Changed() {
    const std::vector<TLink> links = FLinks;  // a call may change the links
    for (const TLink& link : links) link.Call();
}

void TImageListRef::Set(TImageList* Value) {
    if (Value == FList) return;
    if (FList) {
        FList->RemoveChangeLink(this);
        FHolder.RemoveFreeNotification(FList);
    }
    FList = Value;
    if (FList) {
        FList->AddChangeLink(this, FChanged);
        FHolder.FreeNotification(FList);
    }
    FChanged();
}

void TImageListRef::Forget(TComponent* Destroyed) {
    if (!FList || Destroyed != FList) return;
    FList = nullptr;
    FChanged();
}
