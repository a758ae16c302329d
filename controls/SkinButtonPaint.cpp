// How a skinned button looks: gradients, border, corner marks, glyph, focus
// rectangle and caption, in that order.
#include "controls/SkinButton.h"

namespace {

// The disabled look of a glyph's pixel: a light grey, (r + g + b) / 6 + 96.
uint32_t GreyPixel(uint32_t Pixel) {
    const uint32_t sum = ((Pixel >> 16) & 0xFF) + ((Pixel >> 8) & 0xFF) + (Pixel & 0xFF);
    const uint32_t g = sum / 3 / 2 + 96;
    return (g << 16) | (g << 8) | g;
}

// Greys every pixel that is not transparent. A grey that happens to be the
// transparent colour moves one step, so that no pixel of the picture drops out.
void GreyGlyph(TBitmap& Glyph) {
    const uint32_t key = ColorToPixel(Glyph.Canvas().ColorToRGB(Glyph.TransparentColor()));
    for (int y = 0; y < Glyph.Height(); ++y) {
        uint32_t* row = Glyph.ScanLine(y);
        for (int x = 0; x < Glyph.Width(); ++x) {
            if ((row[x] & 0xFFFFFF) == key) continue;
            const uint32_t grey = GreyPixel(row[x]);
            row[x] = grey == key ? grey ^ 0x010101 : grey;
        }
    }
    Glyph.SetTransparentColor(PixelToColor(key));
    Glyph.Changed();
}

void Line(TCanvas& Canvas, int X1, int Y1, int X2, int Y2) {
    Canvas.MoveTo(X1, Y1);
    Canvas.LineTo(X2, Y2);
}

}  // namespace

void TSkinButton::Paint(TCanvas& Canvas) {
    PaintBackground(Canvas);
    PaintCaptionAndGlyph(Canvas);
}

// A framed button shows a 2-pixel band of its frame's gradient around the
// normal one; the normal gradient is stretched when it was built for the
// other state.
void TSkinButton::PaintBackground(TCanvas& Canvas) const {
    const int w = Width(), h = Height();
    const bool framed = Framed();
    Canvas.Brush().SetColor(Parent() ? Parent()->Color() : Color());
    Canvas.FillRect(Bounds(0, 0, w, h));
    if (framed) Canvas.Draw(1, 1, Hot() ? FHotFrame : FFocusFrame);
    if (Hot() && Pressed()) {
        Canvas.Draw(1, 1, FClicked);
    } else {
        const int f = framed ? 1 : 0;
        Canvas.CopyRect(Bounds(1 + 2 * f, 1 + 2 * f, w - 2 - 4 * f, h - 2 - 4 * f), FNormal.Canvas(),
                        Bounds(0, 0, FNormal.Width(), FNormal.Height()));
    }
    Canvas.Pen().SetStyle(psSolid);
    Canvas.Pen().SetColor(FColors.BorderLine());
    Canvas.Brush().SetStyle(bsClear);
    Canvas.RoundRect(Bounds(0, 0, w, h), 5, 5);
    Canvas.Pen().SetColor(clSilver);
    Line(Canvas, 0, 1, 2, 0);
    Line(Canvas, w - 2, 0, w, 2);
    Line(Canvas, 0, h - 2, 2, h);
    Line(Canvas, w - 3, h, w, h - 3);
}

// The caption is measured in the area the glyph leaves (an empty one as a
// blank), and the block of glyph and caption is centred; a pressed button
// shows both one pixel lower and further right.
void TSkinButton::PaintCaptionAndGlyph(TCanvas& Canvas) const {
    const int w = Width(), h = Height(), s = FSpacing, p = Hot() && Pressed() ? 1 : 0;
    const int gw = FGlyph.Empty() ? 0 : FGlyph.Width(), gh = FGlyph.Empty() ? 0 : FGlyph.Height();
    Canvas.Font().Assign(Font());
    if (FHotTrack && Hot()) Canvas.Font().SetColor(FColors.HotTrack());
    TRect text = Bounds(0, 0, w, h);
    if (gw > 0) {
        switch (FLayout) {
            case blGlyphLeft: text.Left += gw + s; break;
            case blGlyphRight:
                text.Left -= gw + s;
                text.Right -= 2 * (gw + s);
                break;
            case blGlyphTop: text.Top += gh + s; break;
            case blGlyphBottom: text.Top -= gh + s; break;
        }
    }
    unsigned format = tfEndEllipsis;
    if (FWordWrap) format |= tfWordBreak;
    if (!FShowAccelChar) format |= tfNoPrefix;
    if (gw > 0 && FLayout == blGlyphRight) format |= tfRight;
    const std::string& caption = Caption();
    const bool blank = caption.empty() || (caption == "&" && FShowAccelChar);
    const TRect measured = Canvas.DrawText(text, blank ? " " : caption, format | tfCalcRect);
    text.Right = measured.Right;
    text.Bottom = measured.Bottom;
    text = text.Offset((w - text.Right) / 2 + p, (h - text.Bottom) / 2 + p);

    if (gw > 0) {
        switch (FLayout) {
            case blGlyphLeft: DrawGlyph(Canvas, text.Left - gw - s, (h - gh) / 2 + p); break;
            case blGlyphRight: DrawGlyph(Canvas, text.Right + s, (h - gh) / 2 + p); break;
            case blGlyphTop: DrawGlyph(Canvas, (w - gw) / 2 + p, text.Top - gh - s); break;
            case blGlyphBottom: DrawGlyph(Canvas, (w - gw) / 2 + p, text.Bottom + s); break;
        }
    }
    if (Focused() && FShowFocusRect) Canvas.DrawFocusRect(Bounds(3, 3, w - 6, h - 6));
    Canvas.Brush().SetStyle(bsClear);
    if (Enabled()) {
        Canvas.DrawText(text, caption, format);
        return;
    }
    Canvas.Font().SetColor(clBtnHighlight);
    Canvas.DrawText(text.Offset(1, 1), caption, format);
    Canvas.Font().SetColor(clBtnShadow);
    Canvas.DrawText(text, caption, format);
}

void TSkinButton::DrawGlyph(TCanvas& Canvas, int X, int Y) const {
    TBitmap shown;
    shown.Assign(FGlyph);
    if (FAutoGray && !Enabled()) GreyGlyph(shown);
    shown.SetTransparent(true);
    Canvas.Draw(X, Y, shown);
}
