#pragma once
// A font description; whoever owns it is told of every change.
#include <cstdint>
#include <string>

#include "core/Events.h"
#include "core/Graphics.h"

enum TFontStyle { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
// The system's character set numbers.
enum TFontCharset : uint8_t { fcAnsi = 0, fcDefault = 1 };

// Pixels per inch of the screen, by which sizes in points become pixels;
// 96 until the Windows layer reads the real screen's.
int ScreenPixelsPerInch();
void SetScreenPixelsPerInch(int Value);

class TFont : public TObject {
public:
    const std::string& Name() const { return FName; }
    void SetName(const std::string& Value) { Set(FName, Value); }
    // Pixels as the system counts them: a negative height is the height of
    // the characters, a positive one that of the whole cell.
    int Height() const { return FHeight; }
    void SetHeight(int Value) { Set(FHeight, Value); }
    // Points, through the screen's pixels per inch.
    int Size() const;
    void SetSize(int Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { Set(FColor, Value); }
    // A combination of TFontStyle flags.
    int Style() const { return FStyle; }
    void SetStyle(int Value) { Set(FStyle, Value); }
    TFontCharset Charset() const { return FCharset; }
    void SetCharset(TFontCharset Value) { Set(FCharset, Value); }

    // Takes every property of Source, with one change notification.
    void Assign(const TFont& Source);
    friend bool operator==(const TFont& A, const TFont& B) {
        return A.FName == B.FName && A.FHeight == B.FHeight && A.FColor == B.FColor && A.FStyle == B.FStyle &&
               A.FCharset == B.FCharset;
    }

    TNotifyEvent OnChange;

private:
    template <class T>
    void Set(T& Field, const T& Value) {
        if (Field == Value) return;
        Field = Value;
        OnChange(this);
    }

    std::string FName = "Tahoma";
    int FHeight = -11;  // 8 points at 96 pixels per inch
    TColor FColor = clWindowText;
    int FStyle = 0;
    TFontCharset FCharset = fcDefault;
};
