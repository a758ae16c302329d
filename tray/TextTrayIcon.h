#pragma once
// The tray icon whose picture is a short text on a coloured square.
#include "core/Graphics.h"
#include "tray/TrayIcon.h"

class TTextTrayIcon : public TTrayIcon {
public:
    using TTrayIcon::TTrayIcon;

    const std::string& Text() const { return FText; }
    void SetText(const std::string& Value) { FText = Value; }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }

private:
    std::string FText;
    TColor FColor = clBtnFace;
};
