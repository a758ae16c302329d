#include "platform/win32/GdiFont.h"

HFONT CreateGdiFont(const TFont& Font) {
    const int style = Font.Style();
    return CreateFontA(Font.Height(), 0, 0, 0, (style & fsBold) ? FW_BOLD : FW_NORMAL, (style & fsItalic) != 0,
                       (style & fsUnderline) != 0, (style & fsStrikeOut) != 0, Font.Charset(), OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, Font.Name().c_str());
}

TGdiFontCache::~TGdiFontCache() {
    if (FHandle) DeleteObject(FHandle);
}

HFONT TGdiFontCache::Get(const TFont& Font) {
    if (FHandle && Font == FMadeFrom) return FHandle;
    if (FHandle) DeleteObject(FHandle);
    FHandle = CreateGdiFont(Font);
    FMadeFrom.Assign(Font);
    return FHandle;
}
