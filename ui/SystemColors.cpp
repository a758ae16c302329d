#include "ui/SystemColors.h"

#include <array>

namespace {

constexpr std::array<TColor, SystemColorCount> ClassicColors = {
    0xC8D0D4, 0x808000, 0x800000, 0x808080, 0xC0C0C0, 0xFFFFFF, 0x000000, 0x000000,
    0x000000, 0xFFFFFF, 0xC0C0C0, 0xC0C0C0, 0x808080, 0x800000, 0xFFFFFF, 0xC0C0C0,
    0x808080, 0x808080, 0x000000, 0xC0C0C0, 0xFFFFFF, 0x000000, 0xDFDFDF, 0x000000,
    0xE1FFFF, 0xB5B5B5, 0x800000, 0xF0CAA6, 0xC0C0C0, 0x800000, 0xC0C0C0,
};

std::array<TColor, SystemColorCount> Colors = ClassicColors;

bool InTable(int Index) { return Index >= 0 && Index < SystemColorCount; }

}  // namespace

TColor SystemColorRGB(int Index) { return InTable(Index) ? Colors[Index] : clBlack; }

void SetSystemColorRGB(int Index, TColor Value) {
    if (InTable(Index)) Colors[Index] = Value & 0xFFFFFF;
}

void ResetSystemColors() { Colors = ClassicColors; }

TColor TableColorToRGB(TColor Color) {
    if (IsSystemColor(Color)) return SystemColorRGB(SystemColorIndex(Color));
    return Color & 0xFFFFFF;
}
