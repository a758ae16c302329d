#include "platform/win32/SharedGdi.h"

namespace {
HFONT CreateGdiFont(const TFont& Font) {
    const int style = Font.Style();
    return CreateFontA(Font.Height(), 0, 0, 0, (style & fsBold) ? FW_BOLD : FW_NORMAL, (style & fsItalic) != 0,
                       (style & fsUnderline) != 0, (style & fsStrikeOut) != 0, Font.Charset(), OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, Font.Name().c_str());
}
}  // namespace

HFONT TSharedFont::Get(const TFont& Font) {
    return static_cast<HFONT>(
        Hold({Font.Name(), Font.Height(), Font.Style(), Font.Charset()}, [&] { return CreateGdiFont(Font); }));
}

HBRUSH TSharedBrush::Get(COLORREF Color) {
    return static_cast<HBRUSH>(Hold(Color, [&] { return CreateSolidBrush(Color); }));
}

HPEN TSharedPen::Get(COLORREF Color) {
    return static_cast<HPEN>(Hold(Color, [&] { return CreatePen(PS_SOLID, 1, Color); }));
}
