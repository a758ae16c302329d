#include "ui/TextRenderer.h"

#include <algorithm>
#include <cstdlib>

namespace {
class TFixedPitchRenderer : public TTextRenderer {
public:
    TSize Extent(const TFont& Font, std::string_view Text) override {
        return {CellWidth(Font) * static_cast<int>(Text.size()), CellHeight(Font)};
    }
    TTextMetric Metric(const TFont& Font) override { return {CellHeight(Font), CellHeight(Font) * 4 / 5}; }
    void Draw(const TFont& Font, std::string_view Text, int X, int Y, uint32_t Ink, const uint32_t* Background,
              const TPixelBlock& Block) override {
        const int cell = CellWidth(Font);
        const TSize extent = Extent(Font, Text);
        for (int y = std::max(Y, 0); y < std::min(Y + extent.Height, Block.Height); ++y) {
            uint32_t* row = Block.Pixels + static_cast<size_t>(y) * Block.Stride;
            for (int x = std::max(X, 0); x < std::min(X + extent.Width, Block.Width); ++x) {
                const int offset = x - X;
                if (Text[offset / cell] != ' ' && offset % cell != cell - 1) row[x] = Ink;
                else if (Background) row[x] = *Background;
            }
        }
    }

private:
    static int CellHeight(const TFont& Font) { return std::max(1, std::abs(Font.Height())); }
    static int CellWidth(const TFont& Font) { return std::max(1, CellHeight(Font) / 2); }
};

TFixedPitchRenderer StandIn;
TTextRenderer* Current = &StandIn;
}  // namespace

TTextRenderer& TextRenderer() { return *Current; }
void SetTextRenderer(TTextRenderer* Renderer) { Current = Renderer ? Renderer : &StandIn; }
