// Draws the plug-in's six toolbar bitmaps and writes them as BMP files into a folder.
//
// Usage: make_bitmaps <folder>. The output is deterministic, so the committed files in
// resources/bitmaps can be regenerated and compared byte for byte.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Rgb {
    std::uint8_t r, g, b;
};

bool operator==(Rgb a, Rgb b) { return a.r == b.r && a.g == b.g && a.b == b.b; }

const Rgb Black = {0, 0, 0};
const Rgb White = {255, 255, 255};

// How a picture is coloured and stored.
enum class Kind { Sixteen, Palette256, TrueColor };

struct Picture {
    const char* file;
    int size;  // width and height in pixels
    Kind kind;
};

// In resource order, 101 to 106.
const Picture Pictures[] = {
    {"small_16color.bmp", 16, Kind::Sixteen},    {"large_16color.bmp", 24, Kind::Sixteen},
    {"small_256color.bmp", 16, Kind::Palette256}, {"large_256color.bmp", 24, Kind::Palette256},
    {"small_truecolor.bmp", 16, Kind::TrueColor}, {"large_truecolor.bmp", 24, Kind::TrueColor},
};

// The lettering "#C01": 5 x 5 glyphs, top row first, set at 6-pixel steps from the left edge.
const int GlyphSize = 5;
const int GlyphStep = 6;
const char* const Glyphs[][GlyphSize] = {
    {".#.#.", "#####", ".#.#.", "#####", ".#.#."},  // number sign
    {".####", "#....", "#....", "#....", ".####"},  // capital C
    {".###.", "#..##", "#.#.#", "##..#", ".###."},  // zero with a slash
    {"..#..", ".##..", "..#..", "..#..", ".###."},  // one
};

// The classic sixteen colours, in the order the 16-colour bitmaps store them.
const Rgb SixteenColors[16] = {
    {0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0}, {0, 0, 128},   {128, 0, 128},
    {0, 128, 128},   {192, 192, 192}, {128, 128, 128}, {255, 0, 0}, {0, 255, 0},   {255, 255, 0},
    {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
};

bool IsCorner(Rgb c) {
    auto end = [](std::uint8_t v) { return v == 0 || v == 255; };
    return end(c.r) && end(c.g) && end(c.b);
}

// Four colour-cube entries give their slots to the sixteen classic colours' dark half.
bool IsLeftOut(Rgb c) {
    return c == Rgb{0, 51, 255} || c == Rgb{0, 255, 51} || c == Rgb{51, 0, 255} || c == Rgb{51, 255, 0};
}

// 256 entries: the sixteen classic colours, the colour cube of steps of 51 (its eight corners are
// already among the sixteen, four more are left out), then 36 greys at steps of 7.
std::vector<Rgb> Palette256() {
    std::vector<Rgb> palette(SixteenColors, SixteenColors + 16);
    for (int r = 0; r <= 255; r += 51)
        for (int g = 0; g <= 255; g += 51)
            for (int b = 0; b <= 255; b += 51) {
                Rgb c = {std::uint8_t(r), std::uint8_t(g), std::uint8_t(b)};
                if (!IsCorner(c) && !IsLeftOut(c)) palette.push_back(c);
            }
    for (int grey = 7; grey <= 252; grey += 7)
        palette.push_back({std::uint8_t(grey), std::uint8_t(grey), std::uint8_t(grey)});
    return palette;
}

// A colour of lightness one half: hue in degrees, saturation 0 to 1, components 0 to 255.
void HueColor(double hue, double saturation, double rgb[3]) {
    const double sector = std::fmod(hue, 360.0) / 60.0;
    const double rising = sector - std::floor(sector);
    double full[3];  // the fully saturated colour, 0 to 1
    switch (int(sector)) {
        case 0: full[0] = 1; full[1] = rising; full[2] = 0; break;
        case 1: full[0] = 1 - rising; full[1] = 1; full[2] = 0; break;
        case 2: full[0] = 0; full[1] = 1; full[2] = rising; break;
        case 3: full[0] = 0; full[1] = 1 - rising; full[2] = 1; break;
        case 4: full[0] = rising; full[1] = 0; full[2] = 1; break;
        default: full[0] = 1; full[1] = 0; full[2] = 1 - rising; break;
    }
    // Pull each component toward the middle grey: the lightness stays, the colour fades.
    for (int i = 0; i < 3; ++i) rgb[i] = 127.5 + (full[i] - 0.5) * 255.0 * saturation;
}

// Red at the left edge round the colour wheel to red again at the right edge.
double ColumnHue(int x, int size) { return 360.0 * x / (size - 1); }

Rgb TrueColorBackground(int x, int y, int size) {
    // Full saturation in the top row, one fifth in the bottom row, falling row by row.
    const double saturation = 1.0 - 0.8 * y / (size - 1);
    double rgb[3];
    HueColor(ColumnHue(x, size), saturation, rgb);
    return {std::uint8_t(std::lround(rgb[0])), std::uint8_t(std::lround(rgb[1])),
            std::uint8_t(std::lround(rgb[2]))};
}

Rgb NearestColor(const double rgb[3], const std::vector<Rgb>& palette) {
    Rgb best = palette[0];
    double bestDistance = 1e9;
    for (Rgb c : palette) {
        const double dr = c.r - rgb[0], dg = c.g - rgb[1], db = c.b - rgb[2];
        const double distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = c;
        }
    }
    return best;
}

Rgb Palette256Background(int x, int y, int size, const std::vector<Rgb>& palette) {
    // Three bands from top to bottom, at the saturations that the colour cube holds at this
    // lightness: 255/0, 204/51 and 153/102 as the strongest and weakest components.
    const double saturations[3] = {1.0, 0.6, 0.2};
    double rgb[3];
    HueColor(ColumnHue(x, size), saturations[y * 3 / size], rgb);
    return NearestColor(rgb, palette);
}

// Black lettering five pixels high, its foot one row above the bottom edge; the rightmost column
// stays background, which on the small pictures cuts the zero to its left three columns.
void DrawLettering(std::vector<Rgb>& pixels, int size) {
    const int glyphs = size == 16 ? 3 : 4;
    const int top = size - 1 - GlyphSize;
    for (int glyph = 0; glyph < glyphs; ++glyph)
        for (int row = 0; row < GlyphSize; ++row)
            for (int column = 0; column < GlyphSize; ++column) {
                const int x = glyph * GlyphStep + column;
                if (x < size - 1 && Glyphs[glyph][row][column] == '#')
                    pixels[(top + row) * size + x] = Black;
            }
}

// The picture top row first, as it is drawn.
std::vector<Rgb> Draw(const Picture& picture, const std::vector<Rgb>& palette) {
    const int size = picture.size;
    std::vector<Rgb> pixels(size * size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            Rgb& pixel = pixels[y * size + x];
            switch (picture.kind) {
                case Kind::Sixteen: pixel = White; break;
                case Kind::Palette256: pixel = Palette256Background(x, y, size, palette); break;
                case Kind::TrueColor: pixel = TrueColorBackground(x, y, size); break;
            }
        }
    DrawLettering(pixels, size);
    return pixels;
}

void PutU16(std::vector<std::uint8_t>& out, unsigned value) {
    out.push_back(std::uint8_t(value));
    out.push_back(std::uint8_t(value >> 8));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}

// A BMP file: file header, 40-byte information header, palette, pixel rows bottom-up.
// Returns false if a pixel's colour is missing from the palette.
bool Encode(const Picture& picture, const std::vector<Rgb>& pixels, const std::vector<Rgb>& palette,
            std::vector<std::uint8_t>& out) {
    const int size = picture.size;
    const int bitsPerPixel = picture.kind == Kind::TrueColor ? 24 : 8;
    const int rowBytes = (size * bitsPerPixel / 8 + 3) / 4 * 4;
    const std::uint32_t imageSize = std::uint32_t(rowBytes * size);
    const std::uint32_t paletteBytes = std::uint32_t(palette.size() * 4);
    const std::uint32_t bitsOffset = 14 + 40 + paletteBytes;

    out.clear();
    out.push_back('B');
    out.push_back('M');
    PutU32(out, bitsOffset + imageSize);  // file size
    PutU32(out, 0);                       // two reserved words
    PutU32(out, bitsOffset);

    PutU32(out, 40);  // information header size
    PutU32(out, std::uint32_t(size));
    PutU32(out, std::uint32_t(size));  // positive height: rows bottom-up
    PutU16(out, 1);                    // planes
    PutU16(out, unsigned(bitsPerPixel));
    PutU32(out, 0);  // no compression
    PutU32(out, imageSize);
    PutU32(out, 2835);  // 72 pixels per inch, across
    PutU32(out, 2835);  // and down
    PutU32(out, std::uint32_t(palette.size()));
    PutU32(out, 0);  // every colour is important

    for (Rgb c : palette) {
        out.push_back(c.b);
        out.push_back(c.g);
        out.push_back(c.r);
        out.push_back(0);
    }

    for (int y = size - 1; y >= 0; --y) {
        const std::size_t rowStart = out.size();
        for (int x = 0; x < size; ++x) {
            const Rgb c = pixels[y * size + x];
            if (bitsPerPixel == 24) {
                out.push_back(c.b);
                out.push_back(c.g);
                out.push_back(c.r);
                continue;
            }
            std::size_t index = 0;
            while (index < palette.size() && !(palette[index] == c)) ++index;
            if (index == palette.size()) return false;
            out.push_back(std::uint8_t(index));
        }
        out.resize(rowStart + std::size_t(rowBytes), 0);
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_bitmaps <folder>\n");
        return 2;
    }
    const std::vector<Rgb> sixteen(SixteenColors, SixteenColors + 16);
    const std::vector<Rgb> palette256 = Palette256();
    const std::vector<Rgb> none;

    for (const Picture& picture : Pictures) {
        const std::vector<Rgb>& palette =
            picture.kind == Kind::Sixteen ? sixteen : picture.kind == Kind::Palette256 ? palette256 : none;
        std::vector<std::uint8_t> bytes;
        if (!Encode(picture, Draw(picture, palette256), palette, bytes)) {
            std::fprintf(stderr, "make_bitmaps: %s has a colour outside its palette\n", picture.file);
            return 1;
        }
        const std::string path = std::string(argv[1]) + "/" + picture.file;
        std::ofstream file(path, std::ios::binary);
        file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        file.close();
        if (!file) {
            std::fprintf(stderr, "make_bitmaps: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
