// The skinned controls' own drawing on the software raster: a button's
// repaint (block copies, border, corner marks, glyph, caption), its gradients'
// rebuild after a resize, and one flat menu item drawn selected with its icon
// (the lifted icon and its shadow). Text goes to the stand-in renderer, so the
// system's text drawing is left out.
#include <benchmark/benchmark.h>

#include "controls/FlatMenu.h"
#include "controls/SkinButton.h"
#include "tests/fakes/FakeMessageQueue.h"
#include "tests/fakes/FakeWindowSystem.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/ImageList.h"
#include "ui/Menus.h"

namespace {

class TBenchForm : public TForm {
public:
    using TForm::TForm;
    const char* ClassName() const override { return "TBenchForm"; }
};

// A 16 x 16 glyph: a disc on its transparent colour.
void MakeGlyph(TBitmap& Glyph) {
    Glyph.SetSize(16, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            Glyph.ScanLine(y)[x] = (x - 8) * (x - 8) + (y - 8) * (y - 8) < 40 ? 0x2060C0 : 0xFF00FF;
    Glyph.SetTransparentColor(PixelToColor(0xFF00FF));
    Glyph.SetTransparent(true);
}

struct TBenchWindow {
    TFakeMessageQueue Queue;
    TFakeWindowSystem Windows;
    TApplication App{Queue, Windows};
    TForm* Form = App.CreateForm<TBenchForm>();
};

void ButtonRepaint(benchmark::State& State) {
    TBenchWindow window;
    auto* button = new TSkinButton(window.Form);
    button->SetParent(window.Form);
    button->SetBounds(0, 0, 132, 25);
    button->SetCaption("&Quitter Torvane XP");
    button->SetQuality(bqHigh);
    MakeGlyph(button->Glyph());
    TBitmap target(132, 25);
    bool hot = false;
    for (auto _ : State) {
        if ((hot = !hot)) button->MouseEnter();
        else button->MouseLeave();
        button->Paint(target.Canvas());
        benchmark::DoNotOptimize(target.ScanLine(12)[60]);
    }
}
BENCHMARK(ButtonRepaint)->Unit(benchmark::kMicrosecond);

void ButtonResize(benchmark::State& State) {
    TBenchWindow window;
    auto* button = new TSkinButton(window.Form);
    button->SetQuality(bqHigh);
    int width = 132;
    for (auto _ : State) {
        width = width == 132 ? 133 : 132;
        button->SetBounds(0, 0, width, 25);  // the four gradients again
    }
}
BENCHMARK(ButtonResize)->Unit(benchmark::kMicrosecond);

void SelectedMenuItemWithIcon(benchmark::State& State) {
    TBenchWindow window;
    auto* images = new TImageList(window.Form);
    TBitmap picture, mask(16, 16);
    MakeGlyph(picture);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) mask.ScanLine(y)[x] = picture.ScanLine(y)[x] == 0xFF00FF ? 0xFFFFFF : 0;
    images->Add(picture, &mask);
    auto* menu = new TPopupMenu(window.Form, window.Windows);
    menu->SetImages(images);
    auto* item = new TMenuItem(window.Form);
    item->SetCaption("&Optimiser RAM");
    item->SetImageIndex(0);
    menu->Items().Add(item);
    auto* flat = new TFlatMenu(window.Form);
    flat->SetActive(true);
    TBitmap target(140, 22);
    for (auto _ : State) {
        item->DrawItem(target.Canvas(), Bounds(0, 0, 140, 22), true);
        benchmark::DoNotOptimize(target.ScanLine(10)[10]);
    }
}
BENCHMARK(SelectedMenuItemWithIcon)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
