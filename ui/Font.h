#pragma once
// A font description; whoever owns it is told of every change.
#include <string>

#include "core/Events.h"
#include "core/Graphics.h"

enum TFontStyle { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

class TFont : public TObject {
public:
    const std::string& Name() const { return FName; }
    void SetName(const std::string& Value) { Set(FName, Value); }
    // Points; the system turns them into pixels at the screen's resolution.
    int Size() const { return FSize; }
    void SetSize(int Value) { Set(FSize, Value); }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { Set(FColor, Value); }
    // A combination of TFontStyle flags.
    int Style() const { return FStyle; }
    void SetStyle(int Value) { Set(FStyle, Value); }

    TNotifyEvent OnChange;

private:
    template <class T>
    void Set(T& Field, const T& Value) {
        if (Field == Value) return;
        Field = Value;
        OnChange(this);
    }

    std::string FName = "Tahoma";
    int FSize = 8;
    TColor FColor = clWindowText;
    int FStyle = 0;
};
