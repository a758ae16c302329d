// Image lists: pictures cut or padded to the list's size, their masks, and
// drawing that leaves the canvas alone where a picture is transparent.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "PixelPicture.h"
#include "ui/ImageList.h"

using ::testing::ElementsAre;

TEST(ImageList, MasksCutPadAndDrawOnlyTheOpaquePixels) {
    TImageList list(nullptr, 3, 2);
    TBitmap picture;
    Blank(picture, 4, 1);  // wider and lower than the list's images
    picture.Canvas().SetPixels(1, 0, clBlack);
    EXPECT_EQ(list.AddMasked(picture, clWhite), 0);
    TBitmap mask;
    Blank(mask, 3, 2);
    mask.Canvas().SetPixels(2, 1, clBlack);  // only this pixel is opaque
    TBitmap grey;
    grey.SetSize(3, 2);
    grey.Canvas().Brush().SetColor(TestGrey);
    grey.Canvas().FillRect(Bounds(0, 0, 3, 2));
    EXPECT_EQ(list.Add(grey, &mask), 1);
    EXPECT_EQ(list.AddMasked(grey, clNone), 2) << "no colour: nothing transparent";
    ASSERT_EQ(list.Count(), 3);

    TBitmap canvas;
    Blank(canvas, 10, 2);
    for (int i = 0; i < 3; ++i) list.Draw(canvas.Canvas(), i * 4, 0, i);
    EXPECT_THAT(Picture(canvas), ElementsAre(".#......oo", "......o.oo"));
    EXPECT_TRUE(list.IsTransparent(0, 0, 1)) << "padding is transparent";
    TBitmap copy;
    list.GetBitmap(1, copy, clBlack);
    EXPECT_THAT(Picture(copy), ElementsAre("###", "##o"));

    int told = 0;
    list.AddChangeLink(&told, [&] { ++told; });
    list.Add(grey);
    list.RemoveChangeLink(&told);
    list.Clear();
    EXPECT_EQ(told, 1);
    EXPECT_EQ(list.Count(), 0);
}
