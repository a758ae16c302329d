#include "platform/win32/GdiCanvas.h"

#include <stdexcept>

#include "platform/win32/DibSection.h"
#include "ui/Bitmap.h"
#include "ui/SystemColors.h"

namespace {

// Selects an object into a DC for one drawing call, then puts the previous
// one back.
class TSelection {
public:
    TSelection(HDC DC, HGDIOBJ Object) : FDC(DC), FOld(SelectObject(DC, Object)) {}
    ~TSelection() { SelectObject(FDC, FOld); }
    TSelection(const TSelection&) = delete;
    TSelection& operator=(const TSelection&) = delete;

private:
    HDC FDC;
    HGDIOBJ FOld;
};

// A memory DC compatible with Reference holding Bitmap, both released with it.
class TMemoryDC {
public:
    TMemoryDC(HDC Reference, HBITMAP Bitmap)
        : FDC(CreateCompatibleDC(Reference)), FBitmap(Bitmap), FOld(SelectObject(FDC, Bitmap)) {}
    ~TMemoryDC() {
        SelectObject(FDC, FOld);
        DeleteObject(FBitmap);
        DeleteDC(FDC);
    }
    TMemoryDC(const TMemoryDC&) = delete;
    TMemoryDC& operator=(const TMemoryDC&) = delete;
    HDC DC() const { return FDC; }

private:
    HDC FDC;
    HBITMAP FBitmap;
    HGDIOBJ FOld;
};

RECT ToRECT(const TRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }

}  // namespace

COLORREF ColorRef(TColor Color) {
    if (IsSystemColor(Color)) return GetSysColor(SystemColorIndex(Color));
    return Color & 0xFFFFFF;
}

TColor TGdiCanvas::ColorToRGB(TColor Color) const { return ColorRef(Color); }

TColor TGdiCanvas::NearestColor(TColor Color) const {
    const COLORREF rgb = ColorToRGB(Color), nearest = GetNearestColor(FDC, rgb);
    return nearest == CLR_INVALID ? rgb : nearest;
}

TRect TGdiCanvas::ClipRect() const {
    RECT r{};
    GetClipBox(FDC, &r);
    return {r.left, r.top, r.right, r.bottom};
}

TColor TGdiCanvas::Pixels(int X, int Y) const {
    COLORREF c = GetPixel(FDC, X, Y);
    return c == CLR_INVALID ? clInvalid : c;
}

void TGdiCanvas::SetPixels(int X, int Y, TColor Color) { SetPixelV(FDC, X, Y, ColorToRGB(Color)); }

void TGdiCanvas::Line(TPoint From, TPoint To) {
    TSelection pen(FDC, Pen().Style() == psClear ? GetStockObject(NULL_PEN) : FPen.Get(ColorRef(Pen().Color())));
    MoveToEx(FDC, From.X, From.Y, nullptr);
    ::LineTo(FDC, To.X, To.Y);
}

void TGdiCanvas::FillRect(const TRect& Rect) { BrushRect(Rect, ::FillRect); }

void TGdiCanvas::FrameRect(const TRect& Rect) { BrushRect(Rect, ::FrameRect); }

void TGdiCanvas::BrushRect(const TRect& Rect, int(WINAPI* Paint)(HDC, const RECT*, HBRUSH)) {
    if (Brush().Style() == bsClear) return;
    RECT r = ToRECT(Rect);
    Paint(FDC, &r, FBrush.Get(ColorRef(Brush().Color())));
}

void TGdiCanvas::Rectangle(const TRect& Rect) { RoundRect(Rect, 0, 0); }

void TGdiCanvas::RoundRect(const TRect& Rect, int EllipseWidth, int EllipseHeight) {
    const bool pen = Pen().Style() != psClear, brush = Brush().Style() != bsClear;
    TSelection penSelection(FDC, pen ? FPen.Get(ColorRef(Pen().Color())) : GetStockObject(NULL_PEN));
    TSelection brushSelection(FDC, brush ? FBrush.Get(ColorRef(Brush().Color())) : GetStockObject(NULL_BRUSH));
    if (EllipseWidth == 0 && EllipseHeight == 0)
        ::Rectangle(FDC, Rect.Left, Rect.Top, Rect.Right, Rect.Bottom);
    else
        ::RoundRect(FDC, Rect.Left, Rect.Top, Rect.Right, Rect.Bottom, EllipseWidth, EllipseHeight);
}

void TGdiCanvas::StretchFrom(HDC Source, const TRect& Dest, const TRect& SourceRect, DWORD Rop) {
    SetStretchBltMode(FDC, COLORONCOLOR);
    StretchBlt(FDC, Dest.Left, Dest.Top, Dest.Width(), Dest.Height(), Source, SourceRect.Left, SourceRect.Top, SourceRect.Width(),
               SourceRect.Height(), Rop);
}

void TGdiCanvas::CopyRect(const TRect& Dest, const TCanvas& Source, const TRect& SourceRect) {
    if (Dest.Width() <= 0 || Dest.Height() <= 0 || SourceRect.Width() <= 0 || SourceRect.Height() <= 0) return;
    if (const auto* device = dynamic_cast<const TGdiCanvas*>(&Source)) return StretchFrom(device->FDC, Dest, SourceRect, SRCCOPY);
    const TBitmap* bitmap = Source.Bitmap();
    if (!bitmap) throw std::invalid_argument("unsupported source canvas");
    if (Dest.Width() == SourceRect.Width() && Dest.Height() == SourceRect.Height()) {
        // A plain copy goes straight from the bitmap's own pixels: no copy of
        // them, no memory DC. (Stretching keeps to StretchBlt, whose choice of
        // pixels the raster follows.) The source's y counts up from the
        // bottom row, as for every DIB, top-down ones included.
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), bitmap->Width(), -bitmap->Height(), 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        StretchDIBits(FDC, Dest.Left, Dest.Top, Dest.Width(), Dest.Height(), SourceRect.Left,
                      bitmap->Height() - SourceRect.Bottom, SourceRect.Width(), SourceRect.Height(), bitmap->ScanLine(0), &info, DIB_RGB_COLORS, SRCCOPY);
        return;
    }
    TMemoryDC memory(FDC, CreateDibSection(*bitmap));
    StretchFrom(memory.DC(), Dest, SourceRect, SRCCOPY);
}

// The classic masked copy: a monochrome mask marks the transparent pixels;
// the canvas is cleared where the picture is opaque, the picture where it is
// transparent, and the two are combined.
void TGdiCanvas::CopyTransparent(const TRect& Dest, const TBitmap& Source, TColor Transparent) {
    if (Dest.Width() <= 0 || Dest.Height() <= 0 || Source.Empty()) return;
    const int w = Source.Width(), h = Source.Height();
    TMemoryDC picture(FDC, CreateDibSection(Source));
    TMemoryDC mask(FDC, CreateBitmap(w, h, 1, 1, nullptr));
    SetBkColor(picture.DC(), Transparent);
    BitBlt(mask.DC(), 0, 0, w, h, picture.DC(), 0, 0, SRCCOPY);  // transparent pixels become 1
    SetBkColor(picture.DC(), RGB(0, 0, 0));
    SetTextColor(picture.DC(), RGB(255, 255, 255));
    BitBlt(picture.DC(), 0, 0, w, h, mask.DC(), 0, 0, SRCAND);  // and black

    const COLORREF oldBack = SetBkColor(FDC, RGB(255, 255, 255)), oldText = SetTextColor(FDC, RGB(0, 0, 0));
    StretchFrom(mask.DC(), Dest, Bounds(0, 0, w, h), SRCAND);
    StretchFrom(picture.DC(), Dest, Bounds(0, 0, w, h), SRCPAINT);
    SetBkColor(FDC, oldBack);
    SetTextColor(FDC, oldText);
}

TSize TGdiCanvas::TextExtent(std::string_view Text) const {
    TSelection font(FDC, FFont.Get(Font()));
    SIZE size{};
    GetTextExtentPoint32A(FDC, Text.data(), static_cast<int>(Text.size()), &size);
    return {size.cx, size.cy};
}

TTextMetric TGdiCanvas::TextMetric() const {
    TSelection font(FDC, FFont.Get(Font()));
    TEXTMETRICA metric{};
    GetTextMetricsA(FDC, &metric);
    return {metric.tmHeight, metric.tmAscent};
}

// The cells are filled with the brush when it is solid (an opaque
// background), left as they are when it is clear.
void TGdiCanvas::DrawTextLine(int X, int Y, std::string_view Text, const TRect* Clip) {
    TSelection font(FDC, FFont.Get(Font()));
    const bool opaque = Brush().Style() == bsSolid;
    const int oldMode = SetBkMode(FDC, opaque ? OPAQUE : TRANSPARENT);
    const COLORREF oldBack = SetBkColor(FDC, ColorToRGB(Brush().Color()));
    const COLORREF oldText = SetTextColor(FDC, ColorToRGB(Font().Color()));
    const UINT oldAlign = SetTextAlign(FDC, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    RECT clip = Clip ? ToRECT(*Clip) : RECT{};
    ExtTextOutA(FDC, X, Y, Clip ? ETO_CLIPPED : 0, Clip ? &clip : nullptr, Text.data(), static_cast<UINT>(Text.size()),
                nullptr);
    SetTextAlign(FDC, oldAlign);
    SetTextColor(FDC, oldText);
    SetBkColor(FDC, oldBack);
    SetBkMode(FDC, oldMode);
}

void LoadSystemColors() {
    for (int i = 0; i < SystemColorCount; ++i) SetSystemColorRGB(i, GetSysColor(i));
}
