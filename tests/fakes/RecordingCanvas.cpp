#include "tests/fakes/RecordingCanvas.h"

#include <cstdio>

std::string RectText(const TRect& Rect) {
    return "(" + std::to_string(Rect.Left) + "," + std::to_string(Rect.Top) + ")-(" + std::to_string(Rect.Right) + "," +
           std::to_string(Rect.Bottom) + ")";
}

std::string TRecordingCanvas::Colour(TColor Color) const {
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(ColorToRGB(Color) & 0xFFFFFF));
    return text;
}

std::vector<std::string> TRecordingCanvas::TextCalls() const {
    std::vector<std::string> calls;
    for (const std::string& call : Calls)
        if (call.rfind("Text ", 0) == 0) calls.push_back(call);
    return calls;
}

TCanvas& TRecordingCanvas::Synced() {
    TCanvas& target = FTarget.Canvas();
    target.Pen() = Pen();
    target.Brush() = Brush();
    target.Font().Assign(Font());
    target.MoveTo(PenPos().X, PenPos().Y);
    return target;
}

void TRecordingCanvas::FillRect(const TRect& Rect) {
    Record("FillRect " + RectText(Rect) + " " + Colour(Brush().Color()));
    Synced().FillRect(Rect);
}

void TRecordingCanvas::FrameRect(const TRect& Rect) {
    Record("FrameRect " + RectText(Rect) + " " + Colour(Brush().Color()));
    Synced().FrameRect(Rect);
}

void TRecordingCanvas::Rectangle(const TRect& Rect) {
    Record("Rectangle " + RectText(Rect));
    Synced().Rectangle(Rect);
}

void TRecordingCanvas::RoundRect(const TRect& Rect, int EllipseWidth, int EllipseHeight) {
    Record("RoundRect " + RectText(Rect) + " " + std::to_string(EllipseWidth) + "x" + std::to_string(EllipseHeight));
    Synced().RoundRect(Rect, EllipseWidth, EllipseHeight);
}

void TRecordingCanvas::CopyRect(const TRect& Dest, const TCanvas& Source, const TRect& SourceRect) {
    Record("CopyRect " + RectText(Dest) + " from " + RectText(SourceRect));
    Synced().CopyRect(Dest, &Source == this ? FTarget.Canvas() : Source, SourceRect);
}

void TRecordingCanvas::CopyTransparent(const TRect& Dest, const TBitmap& Source, TColor) {
    Record("Draw " + RectText(Dest) + " transparent");
    Synced().StretchDraw(Dest, Source);
}

void TRecordingCanvas::Line(TPoint From, TPoint To) {
    Record("Line (" + std::to_string(From.X) + "," + std::to_string(From.Y) + ")-(" + std::to_string(To.X) + "," +
           std::to_string(To.Y) + ") " + Colour(Pen().Color()));
    TCanvas& target = Synced();
    target.MoveTo(From.X, From.Y);
    target.LineTo(To.X, To.Y);
}

void TRecordingCanvas::DrawTextLine(int X, int Y, std::string_view Text, const TRect* Clip) {
    std::string call = "Text (" + std::to_string(X) + "," + std::to_string(Y) + ") \"" + std::string(Text) + "\" " +
                       Font().Name() + " " + std::to_string(Font().Height()) + ((Font().Style() & fsBold) ? " bold" : "") +
                       " " + Colour(Font().Color()) + (Brush().Style() == bsSolid ? " on " + Colour(Brush().Color()) : "");
    if (Clip) call += " clip " + RectText(*Clip);
    Record(call);
    Synced().TextRect(Clip ? *Clip : ClipRect(), X, Y, Text);
}
