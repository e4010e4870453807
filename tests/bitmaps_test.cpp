// Tests of the committed toolbar bitmaps: header fields, palettes, pixel formats and what they show.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <set>
#include <tuple>

#include "cases/bitmap_header.h"
#include "cases/resource_cases.h"
#include "resource_files.h"

namespace {

struct Rgb {
    int r, g, b;
};

bool operator==(Rgb a, Rgb b) { return a.r == b.r && a.g == b.g && a.b == b.b; }
bool operator<(Rgb a, Rgb b) { return std::tie(a.r, a.g, a.b) < std::tie(b.r, b.g, b.b); }
std::ostream& operator<<(std::ostream& out, Rgb c) {
    return out << '(' << c.r << ", " << c.g << ", " << c.b << ')';
}

const Rgb Black = {0, 0, 0};

// A BMP file as read from disk; pixel coordinates count from the top-left corner.
struct Bitmap {
    Bytes bytes;
    int width = 0, height = 0, bitsPerPixel = 0;
    std::uint32_t colorsUsed = 0, bitsOffset = 0;

    Rgb PaletteEntry(std::size_t index) const {
        const std::size_t at = 14 + 40 + 4 * index;
        return {bytes.at(at + 2), bytes.at(at + 1), bytes.at(at)};
    }
    std::size_t PixelOffset(int x, int y) const {
        const std::size_t rowBytes = std::size_t(width * bitsPerPixel / 8 + 3) / 4 * 4;
        return bitsOffset + std::size_t(height - 1 - y) * rowBytes + std::size_t(x * bitsPerPixel / 8);
    }
    Rgb Pixel(int x, int y) const {
        const std::size_t at = PixelOffset(x, y);
        if (bitsPerPixel == 24) return {bytes.at(at + 2), bytes.at(at + 1), bytes.at(at)};
        return PaletteEntry(bytes.at(at));
    }
};

Bitmap Load(const char* name) {
    Bitmap bitmap;
    bitmap.bytes = ReadFile(BitmapPath(name));
    bitmap.bitsOffset = U32(bitmap.bytes, 10);
    bitmap.width = int(U32(bitmap.bytes, 18));
    bitmap.height = int(U32(bitmap.bytes, 22));
    bitmap.bitsPerPixel = int(U16(bitmap.bytes, 28));
    bitmap.colorsUsed = U32(bitmap.bytes, 46);
    return bitmap;
}

const char* const ColorPictures[] = {"small_256color.bmp", "large_256color.bmp", "small_truecolor.bmp",
                                     "large_truecolor.bmp"};

int Chroma(Rgb c) { return std::max({c.r, c.g, c.b}) - std::min({c.r, c.g, c.b}); }
int LightnessSum(Rgb c) { return std::max({c.r, c.g, c.b}) + std::min({c.r, c.g, c.b}); }

// Hue in degrees, 0 to under 360, of a colour that is not grey.
double Hue(Rgb c) {
    const double r = c.r, g = c.g, b = c.b, max = std::max({r, g, b}), chroma = Chroma(c);
    double hue = max == r ? (g - b) / chroma : max == g ? 2 + (b - r) / chroma : 4 + (r - g) / chroma;
    return hue < 0 ? hue * 60 + 360 : hue * 60;
}

TEST(Bitmaps, EveryFileHasTheHeadersOfItsFormatAndTheSixteenColourPalette) {
    for (const BitmapCase& f : BITMAP_CASES) {
        SCOPED_TRACE(f.file);
        const Bytes bytes = ReadFile(BitmapPath(f.file));
        const std::uint32_t bitsOffset = 14 + 40 + 4 * f.colorsUsed;
        ASSERT_EQ(bitsOffset + f.imageSize, bytes.size()) << "file length";
        EXPECT_EQ('B', bytes[0]);
        EXPECT_EQ('M', bytes[1]);
        EXPECT_EQ(bytes.size(), U32(bytes, 2)) << "file size field";
        EXPECT_EQ(0u, U32(bytes, 6)) << "reserved words";
        EXPECT_EQ(bitsOffset, U32(bytes, 10)) << "offset of the pixel data";
        BitmapDifference difference = {};
        EXPECT_TRUE(BitmapInfoMatches(bytes.data() + 14, bytes.size() - 14, f, &difference))
            << difference.field << ": expected " << difference.expected << ", got " << difference.actual;
    }
}

TEST(Bitmaps, Palette256HoldsTheColourCubeButFourOfItsColours) {
    const std::set<Rgb> leftOut = {{0, 51, 255}, {0, 255, 51}, {51, 0, 255}, {51, 255, 0}};
    const Bitmap small = Load("small_256color.bmp");
    const Bitmap large = Load("large_256color.bmp");
    std::set<Rgb> colors;
    for (std::size_t i = 0; i < 256; ++i) {
        EXPECT_EQ(small.PaletteEntry(i), large.PaletteEntry(i)) << "both pictures share entry " << i;
        EXPECT_EQ(0, small.bytes.at(14 + 40 + 4 * i + 3)) << "fourth byte of palette entry " << i;
        colors.insert(small.PaletteEntry(i));
    }
    for (int r = 0; r <= 255; r += 51)
        for (int g = 0; g <= 255; g += 51)
            for (int b = 0; b <= 255; b += 51) {
                const Rgb c = {r, g, b};
                EXPECT_EQ(leftOut.count(c) == 0, colors.count(c) == 1)
                    << c << (leftOut.count(c) ? " must be left out" : " must be in the palette");
            }
}

TEST(Bitmaps, PixelsUseOnlyEntriesThePaletteHas) {
    for (const char* name : {"small_16color.bmp", "large_16color.bmp", "small_256color.bmp", "large_256color.bmp"}) {
        SCOPED_TRACE(name);
        const Bitmap bitmap = Load(name);
        for (int y = 0; y < bitmap.height; ++y)
            for (int x = 0; x < bitmap.width; ++x) {
                const unsigned index = bitmap.bytes.at(bitmap.PixelOffset(x, y));
                EXPECT_LT(index, bitmap.colorsUsed) << "pixel " << x << ", " << y << " from the top left";
            }
    }
}

TEST(Bitmaps, SixteenColorPicturesAreBlackOnWhite) {
    for (const char* name : {"small_16color.bmp", "large_16color.bmp"}) {
        SCOPED_TRACE(name);
        const Bitmap bitmap = Load(name);
        int black = 0;
        for (int y = 0; y < bitmap.height; ++y)
            for (int x = 0; x < bitmap.width; ++x) {
                const Rgb c = bitmap.Pixel(x, y);
                black += c == Black;
                EXPECT_TRUE(c == Black || c == (Rgb{255, 255, 255})) << c << " at " << x << ", " << y;
            }
        EXPECT_GT(black, 0) << "the lettering is missing";
    }
}

// Black only in the second- to sixth-lowest rows, in each of them, never in the rightmost column;
// and the same lettering on every picture of one size.
TEST(Bitmaps, LetteringSitsInTheSecondToSixthLowestRowsAndMatchesAcrossFormats) {
    for (int size : {16, 24}) {
        const std::string prefix = size == 16 ? "small_" : "large_";
        std::vector<bool> firstMask;
        for (const char* kind : {"16color.bmp", "256color.bmp", "truecolor.bmp"}) {
            const std::string name = prefix + kind;
            SCOPED_TRACE(name);
            const Bitmap bitmap = Load(name.c_str());
            ASSERT_EQ(size, bitmap.width);
            std::vector<bool> mask;
            for (int y = 0; y < size; ++y) {
                const bool letteringRow = y >= size - 6 && y <= size - 2;
                int black = 0;
                for (int x = 0; x < size; ++x) {
                    const bool isBlack = bitmap.Pixel(x, y) == Black;
                    mask.push_back(isBlack);
                    black += isBlack;
                    EXPECT_TRUE(!isBlack || letteringRow) << "black outside the lettering at " << x << ", " << y;
                }
                EXPECT_TRUE(!letteringRow || black > 0) << "no lettering in row " << y << " from the top";
                EXPECT_FALSE(bitmap.Pixel(size - 1, y) == Black) << "rightmost column, row " << y;
            }
            if (firstMask.empty())
                firstMask = mask;
            else
                EXPECT_TRUE(mask == firstMask) << "lettering differs from the 16-colour picture's";
        }
    }
}

TEST(Bitmaps, TopRowRunsFullySaturatedFromRedRoundTheHuesToRed) {
    for (const char* name : ColorPictures) {
        SCOPED_TRACE(name);
        const Bitmap bitmap = Load(name);
        EXPECT_EQ((Rgb{255, 0, 0}), bitmap.Pixel(0, 0)) << "top left";
        EXPECT_EQ((Rgb{255, 0, 0}), bitmap.Pixel(bitmap.width - 1, 0)) << "top right";
        double previous = 0;
        for (int x = 0; x < bitmap.width; ++x) {
            const Rgb c = bitmap.Pixel(x, 0);
            ASSERT_EQ(255, Chroma(c)) << c << " at column " << x << " is not fully saturated";
            double hue = Hue(c);
            if (x == bitmap.width - 1 && hue == 0) hue = 360;
            EXPECT_GE(hue, previous) << "hue goes backwards at column " << x;
            EXPECT_LT(hue - previous, 60) << "hue skips a band at column " << x;
            previous = hue;
        }
    }
}

// Down every column the colour keeps its lightness and loses saturation: in three steps on the
// 256-colour pictures, in every row on the true-colour ones.
TEST(Bitmaps, ColumnsTurnGreyerTowardTheBottomAtTheSameLightness) {
    for (const char* name : ColorPictures) {
        SCOPED_TRACE(name);
        const Bitmap bitmap = Load(name);
        const bool trueColor = bitmap.bitsPerPixel == 24;
        for (int x = 0; x < bitmap.width; ++x) {
            std::set<int> levels;
            int previous = 256;
            for (int y = 0; y < bitmap.height; ++y) {
                const Rgb c = bitmap.Pixel(x, y);
                if (c == Black) continue;  // lettering
                EXPECT_NEAR(255, LightnessSum(c), 1) << c << " at " << x << ", " << y << " has another lightness";
                if (trueColor)
                    EXPECT_LT(Chroma(c), previous) << c << " at " << x << ", " << y << " is no greyer than above";
                else
                    EXPECT_LE(Chroma(c), previous) << c << " at " << x << ", " << y << " is less grey than above";
                previous = Chroma(c);
                levels.insert(Chroma(c));
            }
            EXPECT_LE(previous, 60) << "bottom of column " << x << " is hardly greyer";
            if (!trueColor) {
                EXPECT_EQ(3u, levels.size()) << "saturation steps in column " << x;
            }
        }
    }
}

}  // namespace
