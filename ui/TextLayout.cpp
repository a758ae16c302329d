#include "ui/TextLayout.h"

#include <algorithm>

namespace {

// One line's characters with its accelerator prefix taken out.
struct TMarkedText {
    std::string Text;
    int Underline = -1;
};

TMarkedText RemovePrefixes(std::string_view Text) {
    TMarkedText result;
    for (size_t i = 0; i < Text.size(); ++i) {
        if (Text[i] == '&' && i + 1 < Text.size()) {
            ++i;
            if (Text[i] != '&' && result.Underline < 0) result.Underline = static_cast<int>(result.Text.size());
        } else if (Text[i] == '&') {
            continue;  // a last "&" marks nothing
        }
        result.Text += Text[i];
    }
    return result;
}

std::vector<std::string_view> Paragraphs(std::string_view Text, bool SingleLine) {
    std::vector<std::string_view> result;
    if (SingleLine) return {Text};
    size_t start = 0;
    for (size_t i = 0; i < Text.size(); ++i) {
        if (Text[i] != '\r' && Text[i] != '\n') continue;
        result.push_back(Text.substr(start, i - start));
        if (Text[i] == '\r' && i + 1 < Text.size() && Text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    result.push_back(Text.substr(start));
    return result;
}

// The index just past the word that follows From (after any blanks).
size_t WordEnd(const std::string& Text, size_t From) {
    size_t word = Text.find_first_not_of(' ', From);
    if (word == std::string::npos) return Text.size();
    size_t end = Text.find(' ', word);
    return end == std::string::npos ? Text.size() : end;
}

TMarkedText Slice(const TMarkedText& Paragraph, size_t Start, size_t End) {
    TMarkedText line{Paragraph.Text.substr(Start, End - Start), -1};
    const int underline = Paragraph.Underline - static_cast<int>(Start);
    if (underline >= 0 && underline < static_cast<int>(line.Text.size())) line.Underline = underline;
    return line;
}

// Splits a paragraph at blanks so that each line fits in Width where it can:
// a line takes words while they fit, and always its first one.
std::vector<TMarkedText> BreakWords(const TMarkedText& Paragraph, int Width, const TTextWidth& Measure) {
    const std::string& text = Paragraph.Text;
    std::vector<TMarkedText> lines;
    size_t start = 0;
    do {
        size_t end = WordEnd(text, start);
        for (size_t next = WordEnd(text, end);
             next != end && Measure(std::string_view(text).substr(start, next - start)) <= Width;
             next = WordEnd(text, end))
            end = next;
        size_t shown = end;
        while (shown > start && text[shown - 1] == ' ') --shown;
        lines.push_back(Slice(Paragraph, start, shown));
        start = text.find_first_not_of(' ', end);
    } while (start != std::string::npos);
    return lines;
}

void AddEllipsis(TMarkedText& Line, int Width, const TTextWidth& Measure) {
    if (Measure(Line.Text) <= Width) return;
    std::string kept = Line.Text;
    while (!kept.empty() && Measure(kept + "...") > Width) kept.pop_back();
    Line.Text = kept + "...";
    if (Line.Underline >= static_cast<int>(kept.size())) Line.Underline = -1;
}

}  // namespace

TTextBlock LayoutText(std::string_view Text, const TRect& Rect, unsigned Format, int LineHeight,
                      const TTextWidth& Width) {
    std::vector<TMarkedText> lines;
    bool underlined = false;
    if (!Text.empty()) {
        for (std::string_view paragraph : Paragraphs(Text, Format & tfSingleLine)) {
            TMarkedText marked = Format & tfNoPrefix ? TMarkedText{std::string(paragraph), -1} : RemovePrefixes(paragraph);
            if (underlined) marked.Underline = -1;  // only the first accelerator is underlined
            underlined = underlined || marked.Underline >= 0;
            if ((Format & tfWordBreak) && !(Format & tfSingleLine)) {
                for (TMarkedText& line : BreakWords(marked, Rect.Width(), Width)) lines.push_back(std::move(line));
            } else {
                lines.push_back(std::move(marked));
            }
        }
    }
    if (Format & tfEndEllipsis)
        for (TMarkedText& line : lines) AddEllipsis(line, Rect.Width(), Width);

    TTextBlock block;
    const int height = LineHeight * static_cast<int>(lines.size());
    int y = Rect.Top;
    if (Format & tfVCenter) y = Rect.Top + (Rect.Height() - height) / 2;
    else if (Format & tfBottom) y = Rect.Bottom - height;
    int widest = 0;
    for (TMarkedText& line : lines) {
        const int w = Width(line.Text);
        widest = std::max(widest, w);
        int x = Rect.Left;
        if (Format & tfCenter) x = Rect.Left + (Rect.Width() - w) / 2;
        else if (Format & tfRight) x = Rect.Right - w;
        block.Lines.push_back({x, y, std::move(line.Text), line.Underline});
        y += LineHeight;
    }
    block.Extent = TRect{Rect.Left, Rect.Top, Rect.Left + widest, Rect.Top + height};
    return block;
}
