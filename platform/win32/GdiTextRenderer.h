#pragma once
// Text for bitmaps drawn with the system's fonts: the block of pixels goes
// into a DIB section, the system draws the text onto it, and it comes back.
#include <windows.h>

#include "platform/win32/SharedGdi.h"
#include "ui/TextRenderer.h"

class TGdiTextRenderer : public TTextRenderer {
public:
    TGdiTextRenderer() : FDC(CreateCompatibleDC(nullptr)) {}
    ~TGdiTextRenderer() override { DeleteDC(FDC); }
    TGdiTextRenderer(const TGdiTextRenderer&) = delete;
    TGdiTextRenderer& operator=(const TGdiTextRenderer&) = delete;

    TSize Extent(const TFont& Font, std::string_view Text) override;
    TTextMetric Metric(const TFont& Font) override;
    void Draw(const TFont& Font, std::string_view Text, int X, int Y, uint32_t Ink, const uint32_t* Background,
              const TPixelBlock& Block) override;

private:
    // Selects Font into the DC, where it stays until the next call.
    void SelectFont(const TFont& Font);

    HDC FDC;
    TSharedFont FFont;
};

// Bitmaps draw with the running system's colours and fonts, and sizes in
// points follow the screen's pixels per inch. Called once at start.
void PrepareDrawing();
