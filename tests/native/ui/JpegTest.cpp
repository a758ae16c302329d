// Decoding the caption strip picture, and refusing damaged pictures.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#include "ui/Bitmap.h"
#include "ui/Jpeg.h"

namespace {

std::string CaptionFile() {
    const char* root = std::getenv("TORVANE_SOURCE_DIR");
    return std::string(root ? root : ".") + "/resources/pictures/caption.jpg";
}

std::vector<uint8_t> CaptionBytes() {
    std::ifstream file(CaptionFile(), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

bool Near(TColor Actual, TColor Expected, int Tolerance) {
    for (int shift = 0; shift < 24; shift += 8)
        if (std::abs(int(Actual >> shift & 0xFF) - int(Expected >> shift & 0xFF)) > Tolerance) return false;
    return true;
}

int WhitePixels(const TBitmap& b, int FromX, int ToX) {
    int count = 0;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = FromX; x < ToX; ++x) count += Near(b.Canvas().Pixels(x, y), clWhite, 40);
    return count;
}

}  // namespace

TEST(Jpeg, CaptionStripIsABlueToTealGradientWithWhiteLettersAtTheLeft) {
    TBitmap b;
    int changes = 0;
    b.OnChange = TNotifyEvent([&](TObject*) { ++changes; });
    LoadJpegFile(b, CaptionFile());
    ASSERT_EQ(b.Width(), 360);
    ASSERT_EQ(b.Height(), 25);
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(Near(b.Canvas().Pixels(2, 2), 0x5C1F0B, 12));
    EXPECT_TRUE(Near(b.Canvas().Pixels(357, 22), 0x867F0F, 12));
    EXPECT_GT(WhitePixels(b, 0, 120), 40);  // the name
    EXPECT_EQ(WhitePixels(b, 200, 360), 0);
}

TEST(Jpeg, DamagedPicturesAreRefusedAndLeaveTheBitmapAlone) {
    const std::vector<uint8_t> good = CaptionBytes();
    ASSERT_GT(good.size(), 1000u);
    std::vector<uint8_t> truncated(good.begin(), good.begin() + good.size() / 2);
    std::vector<uint8_t> corrupt = good;
    for (size_t i = good.size() / 3; i < good.size() / 3 + 64; ++i) corrupt[i] = 0xFF;  // markers in the data
    std::vector<uint8_t> header(good.begin(), good.begin() + 100);
    std::vector<uint8_t> notJpeg = {'B', 'M', 0, 0, 0, 0};

    TBitmap b(3, 4);
    for (std::vector<uint8_t>* data : {&truncated, &corrupt, &header, &notJpeg}) {
        EXPECT_THROW(LoadJpeg(b, *data), EJpegError);
        EXPECT_EQ(b.Width(), 3);
        EXPECT_EQ(b.Height(), 4);
    }
    EXPECT_THROW(LoadJpeg(b, {}), EJpegError);
    EXPECT_THROW(LoadJpegFile(b, CaptionFile() + ".missing"), EJpegError);
    try {
        LoadJpeg(b, truncated);
    } catch (const EJpegError& e) {
        EXPECT_NE(std::string(e.what()).find("invalid JPEG"), std::string::npos) << e.what();
    }
}
