// A small PNG writer: Sub-filtered rows in one fixed-code deflate block of literals and runs.
//
// The Sub filter turns flat areas into runs of zeros, which matches at distance 1 take in a few bits each.
#include "png.h"

#include <stdio.h>

namespace {

// Deflate's bit order: values go in from the least significant bit; Huffman codes from their top bit.
class BitWriter {
public:
    explicit BitWriter(std::vector<uint8_t>* out) : out_(out) {}

    void Bits(uint32_t value, int count)
    {
        for (int i = 0; i < count; i++)
            Bit((value >> i) & 1);
    }

    void Code(uint32_t code, int length)
    {
        for (int i = length - 1; i >= 0; i--)
            Bit((code >> i) & 1);
    }

    void Flush()
    {
        if (used_ > 0)
            out_->push_back(current_);
        current_ = 0;
        used_ = 0;
    }

private:
    void Bit(uint32_t bit)
    {
        current_ |= static_cast<uint8_t>(bit << used_);
        if (++used_ == 8)
            Flush();
    }

    std::vector<uint8_t>* out_;
    uint8_t current_ = 0;
    int used_ = 0;
};

// The fixed literal/length code of deflate for symbol 0 to 287.
void FixedSymbol(BitWriter* bits, int symbol)
{
    if (symbol < 144)
        bits->Code(0x30 + symbol, 8);
    else if (symbol < 256)
        bits->Code(0x190 + symbol - 144, 9);
    else if (symbol < 280)
        bits->Code(symbol - 256, 7);
    else
        bits->Code(0xC0 + symbol - 280, 8);
}

// A match of length 3 to 258 at distance 1: its length symbol and extra bits, then distance code 0.
void RunOfLength(BitWriter* bits, int length)
{
    static const int BASE[29] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                 31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
    static const int EXTRA[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                  2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
    int code = 28;
    while (BASE[code] > length)
        code--;
    FixedSymbol(bits, 257 + code);
    bits->Bits(length - BASE[code], EXTRA[code]);
    bits->Code(0, 5);
}

std::vector<uint8_t> Deflate(const std::vector<uint8_t>& data)
{
    std::vector<uint8_t> out = {0x78, 0x01}; // zlib header: deflate, 32K window, no dictionary
    BitWriter bits(&out);
    bits.Bits(1, 1); // the last block
    bits.Bits(1, 2); // with the fixed codes
    size_t i = 0;
    while (i < data.size()) {
        size_t run = 0;
        if (i > 0) {
            while (run < 258 && i + run < data.size() && data[i + run] == data[i - 1])
                run++;
        }
        if (run >= 3) {
            RunOfLength(&bits, static_cast<int>(run));
            i += run;
        } else {
            FixedSymbol(&bits, data[i]);
            i++;
        }
    }
    FixedSymbol(&bits, 256);
    bits.Flush();

    uint32_t a = 1, b = 0;
    for (uint8_t byte : data) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    uint32_t adler = (b << 16) | a;
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(adler >> shift));
    return out;
}

uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc)
{
    crc = ~crc;
    for (size_t i = 0; i < size; i++) {
        crc ^= data[i];
        for (int k = 0; k < 8; k++)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

void Put32(std::vector<uint8_t>* out, uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out->push_back(static_cast<uint8_t>(value >> shift));
}

void Chunk(std::vector<uint8_t>* out, const char type[4], const std::vector<uint8_t>& data)
{
    Put32(out, static_cast<uint32_t>(data.size()));
    size_t start = out->size();
    out->insert(out->end(), type, type + 4);
    out->insert(out->end(), data.begin(), data.end());
    Put32(out, Crc32(out->data() + start, out->size() - start, 0));
}

} // namespace

std::vector<uint8_t> EncodePng(const std::vector<uint8_t>& rgb, int width, int height)
{
    const size_t stride = static_cast<size_t>(width) * 3;
    std::vector<uint8_t> filtered;
    filtered.reserve((stride + 1) * height);
    for (int y = 0; y < height; y++) {
        const uint8_t* row = rgb.data() + stride * y;
        filtered.push_back(1); // Sub: each byte less the same colour's byte of the pixel to its left
        for (size_t x = 0; x < stride; x++)
            filtered.push_back(static_cast<uint8_t>(row[x] - (x >= 3 ? row[x - 3] : 0)));
    }

    std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> header;
    Put32(&header, static_cast<uint32_t>(width));
    Put32(&header, static_cast<uint32_t>(height));
    header.insert(header.end(), {8, 2, 0, 0, 0}); // 8 bits a sample, RGB, deflate, adaptive filters, no interlace
    Chunk(&png, "IHDR", header);
    Chunk(&png, "IDAT", Deflate(filtered));
    Chunk(&png, "IEND", {});
    return png;
}

bool WriteFileBytes(const std::wstring& path, const std::vector<uint8_t>& bytes)
{
    FILE* file = _wfopen(path.c_str(), L"wb");
    if (!file)
        return false;
    bool written = fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return fclose(file) == 0 && written;
}
