#pragma once
// The stand-in glyphs, with a record of every text drawn into a bitmap: the
// text and the font it was drawn in.
#include <string>
#include <vector>

#include "ui/TextRenderer.h"

class TRecordingTextRenderer : public TTextRenderer {
public:
    TRecordingTextRenderer() : FStandIn(TextRenderer()) { SetTextRenderer(this); }
    ~TRecordingTextRenderer() override { SetTextRenderer(nullptr); }
    TRecordingTextRenderer(const TRecordingTextRenderer&) = delete;
    TRecordingTextRenderer& operator=(const TRecordingTextRenderer&) = delete;

    std::vector<std::string> Texts;

    TSize Extent(const TFont& Font, std::string_view Text) override { return FStandIn.Extent(Font, Text); }
    TTextMetric Metric(const TFont& Font) override { return FStandIn.Metric(Font); }
    void Draw(const TFont& Font, std::string_view Text, int X, int Y, uint32_t Ink, const uint32_t* Background,
              const TPixelBlock& Block) override {
        Texts.push_back(std::string(Text) + " " + Font.Name() + ((Font.Style() & fsBold) ? " bold" : ""));
        FStandIn.Draw(Font, Text, X, Y, Ink, Background, Block);
    }

private:
    TTextRenderer& FStandIn;
};
