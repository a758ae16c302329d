#pragma once
// GDI fonts for TFont descriptions.
#include <windows.h>

#include "ui/Font.h"

// A new font; the caller deletes it with DeleteObject.
HFONT CreateGdiFont(const TFont& Font);

// A font kept for a description that changes now and then: made again only
// when the description differs from the last one.
class TGdiFontCache {
public:
    TGdiFontCache() = default;
    ~TGdiFontCache();
    TGdiFontCache(const TGdiFontCache&) = delete;
    TGdiFontCache& operator=(const TGdiFontCache&) = delete;
    HFONT Get(const TFont& Font);

private:
    HFONT FHandle = nullptr;
    TFont FMadeFrom;
};
