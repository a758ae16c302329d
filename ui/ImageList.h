#pragma once
// A list of small pictures of one size (16 × 16 by default), each with a mask
// of the pixels that are transparent. Lists and trees show them beside their
// items, menus beside their captions. Whoever shows a list's images asks to
// be told of its changes (AddChangeLink) and of its end (FreeNotification).
#include <functional>
#include <memory>
#include <vector>

#include "core/Component.h"
#include "ui/Bitmap.h"

class TImageList : public TComponent {
public:
    explicit TImageList(TComponent* AOwner, int Width = 16, int Height = 16);
    ~TImageList() override;

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    int Count() const { return static_cast<int>(FImages.size()); }

    // Adds a picture of the list's size (a larger one is cut, a smaller one
    // padded with transparent pixels); Mask, when given, marks transparent
    // pixels in white. Returns the new image's index.
    int Add(const TBitmap& Image, const TBitmap* Mask = nullptr);
    // Adds Image with every pixel of TransparentColor transparent (none for clNone).
    int AddMasked(const TBitmap& Image, TColor TransparentColor);
    void Clear();

    // The image's pixels (transparent ones as they were given).
    const TBitmap& Image(int Index) const { return *FImages.at(Index).Picture; }
    bool IsTransparent(int Index, int X, int Y) const;
    // Copies image Index into Target, its transparent pixels in Background.
    void GetBitmap(int Index, TBitmap& Target, TColor Background = clWhite) const;
    // Draws image Index at (X, Y), leaving the canvas as it is where the
    // image is transparent.
    void Draw(TCanvas& Canvas, int X, int Y, int Index) const;

    // Call is made after every change until RemoveChangeLink(Client).
    void AddChangeLink(const void* Client, std::function<void()> Call);
    void RemoveChangeLink(const void* Client);

private:
    struct TEntry {
        std::unique_ptr<TBitmap> Picture;
        std::vector<bool> Transparent;
    };
    struct TLink {
        const void* Client;
        std::function<void()> Call;
    };
    int Append(TEntry Entry);
    void Changed();

    int FWidth;
    int FHeight;
    std::vector<TEntry> FImages;
    std::vector<TLink> FLinks;
};

// A component's reference to an image list that it shows but does not own:
// Changed runs when the reference or the list's images change, and the
// reference is cleared when the list is destroyed (the holder's
// Notification passes the destroyed component to Forget).
class TImageListRef {
public:
    TImageListRef(TComponent& Holder, std::function<void()> Changed)
        : FHolder(Holder), FChanged(std::move(Changed)) {}
    ~TImageListRef() {
        if (FList) FList->RemoveChangeLink(this);
    }
    TImageListRef(const TImageListRef&) = delete;
    TImageListRef& operator=(const TImageListRef&) = delete;

    TImageList* Get() const { return FList; }
    void Set(TImageList* Value);
    void Forget(TComponent* Destroyed);

private:
    TComponent& FHolder;
    std::function<void()> FChanged;
    TImageList* FList = nullptr;
};
