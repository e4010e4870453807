// Tests of the resource script as the 32-bit and 64-bit windres compile it: which resources, their language and contents.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "cases/resource_cases.h"
#include "resource_files.h"

namespace {

const unsigned RtBitmap = 2;
const unsigned RtString = 6;
const unsigned RtVersion = 16;
const unsigned Japanese = 0x411;
const unsigned English = 0x409;
const unsigned Named = 0xFFFFFFFF;  // a type or name given as text rather than a number

struct Resource {
    unsigned type, name, language;
    Bytes data;
};

// A numbered or named type or name field; returns the offset just past it.
std::size_t ReadId(const Bytes& bytes, std::size_t at, unsigned& id) {
    if (U16(bytes, at) == 0xFFFF) {
        id = U16(bytes, at + 2);
        return at + 4;
    }
    id = Named;
    while (U16(bytes, at) != 0) at += 2;
    return at + 2;
}

// The entries of a .res file, without the empty entry that opens every such file.
std::vector<Resource> ReadResources(const std::string& path) {
    const Bytes bytes = ReadFile(path);
    std::vector<Resource> resources;
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::uint32_t dataSize = U32(bytes, at), headerSize = U32(bytes, at + 4);
        Resource resource;
        std::size_t field = ReadId(bytes, at + 8, resource.type);
        field = ReadId(bytes, field, resource.name);
        field = (field + 3) / 4 * 4;
        resource.language = U16(bytes, field + 6);
        const std::size_t dataStart = at + headerSize;
        if (dataStart + dataSize > bytes.size()) throw std::out_of_range(path + ": entry runs past the end");
        resource.data.assign(bytes.begin() + std::ptrdiff_t(dataStart), bytes.begin() + std::ptrdiff_t(dataStart + dataSize));
        if (!(resource.type == 0 && resource.name == 0 && dataSize == 0)) resources.push_back(resource);
        at = (dataStart + dataSize + 3) / 4 * 4;
    }
    return resources;
}

// ASCII as it is, anything else as \uXXXX, for failure messages.
std::string Printable(const std::u16string& text) {
    std::string out;
    char escape[8];
    for (char16_t unit : text) {
        if (unit >= 0x20 && unit < 0x7F) {
            out += char(unit);
        } else {
            std::snprintf(escape, sizeof escape, "\\u%04X", unsigned(unit));
            out += escape;
        }
    }
    return out;
}

const char* const ResFiles[] = {HUEBIRD_I686_RES, HUEBIRD_X86_64_RES};

const Resource* Find(const std::vector<Resource>& resources, unsigned type, unsigned name,
                     unsigned language = Japanese) {
    for (const Resource& r : resources)
        if (r.type == type && r.name == name && r.language == language) return &r;
    return nullptr;
}

TEST(ResourceScript, HoldsTwoStringBlocksSixJapaneseBitmapsAndAnEnglishVersionBlock) {
    using Key = std::tuple<unsigned, unsigned, unsigned>;  // type, name, language
    std::vector<Key> expected = {{RtString, 1, Japanese}, {RtString, 1, English}, {RtVersion, 1, English}};
    for (const BitmapCase& bitmap : BITMAP_CASES) expected.emplace_back(RtBitmap, bitmap.id, Japanese);
    std::sort(expected.begin(), expected.end());
    for (const char* path : ResFiles) {
        SCOPED_TRACE(path);
        std::vector<Key> found;
        for (const Resource& r : ReadResources(path)) found.emplace_back(r.type, r.name, r.language);
        std::sort(found.begin(), found.end());
        EXPECT_EQ(expected, found) << "(type, name, language) of every resource";
    }
}

// Strings 0 to 15 share block 1: each a 16-bit length and that many UTF-16 units. Both tables define the
// same numbers, 1 to 5, and no other.
TEST(ResourceScript, EachStringTableHoldsItsFiveTextsInUtf16AndNothingElse) {
    struct Table {
        unsigned language;
        std::u16string texts[16];
    };
    Table tables[] = {{Japanese, {}}, {English, {}}};
    for (const StringCase& row : STRING_CASES) {
        tables[0].texts[row.id] = row.japanese;
        const size_t length = std::char_traits<char>::length(row.english);
        tables[1].texts[row.id] = std::u16string(row.english, row.english + length);
    }
    for (const char* path : ResFiles) {
        const std::vector<Resource> resources = ReadResources(path);
        for (const Table& table : tables) {
            SCOPED_TRACE(testing::Message() << path << ", language 0x" << std::hex << table.language);
            const Resource* block = Find(resources, RtString, 1, table.language);
            ASSERT_NE(nullptr, block) << "no string block 1";
            std::size_t at = 0;
            for (int number = 0; number < 16; ++number) {
                const unsigned length = U16(block->data, at);
                std::u16string text;
                for (unsigned i = 0; i < length; ++i) text += char16_t(U16(block->data, at + 2 + 2 * i));
                at += 2 + 2 * length;
                const std::u16string& expected = table.texts[number];
                EXPECT_TRUE(text == expected) << "string " << number << ": expected \"" << Printable(expected)
                                              << "\", got \"" << Printable(text) << '"';
            }
            EXPECT_EQ(block->data.size(), at) << "bytes after the sixteenth string";
        }
    }
}

// Whatever its ANSI code page, a system that reads the English table gets every character of it, and each
// text fits the plug-in's 80-byte buffer with its NUL.
TEST(ResourceScript, EnglishTextsAreAsciiAndFitTheStringBuffer) {
    for (const char* path : ResFiles) {
        SCOPED_TRACE(path);
        const std::vector<Resource> resources = ReadResources(path);
        const Resource* block = Find(resources, RtString, 1, English);
        ASSERT_NE(nullptr, block) << "no English string block";
        for (std::size_t at = 0, number = 0; at < block->data.size(); ++number) {
            const unsigned length = U16(block->data, at);
            EXPECT_LT(length, 80u) << "string " << number;
            for (unsigned i = 0; i < length; ++i) {
                const unsigned unit = U16(block->data, at + 2 + 2 * i);
                EXPECT_TRUE((unit >= 0x20 && unit < 0x7F) || unit == '\n')
                    << "string " << number << ", character " << i << ": U+" << std::hex << unit;
            }
            at += 2 + 2 * length;
        }
    }
}

TEST(ResourceScript, BitmapsAreTheCommittedFilesWithoutTheirFileHeader) {
    for (const char* path : ResFiles) {
        SCOPED_TRACE(path);
        const std::vector<Resource> resources = ReadResources(path);
        for (const BitmapCase& bitmap : BITMAP_CASES) {
            const Resource* resource = Find(resources, RtBitmap, bitmap.id);
            ASSERT_NE(nullptr, resource) << "no bitmap " << bitmap.id;
            const Bytes file = ReadFile(BitmapPath(bitmap.file));
            ASSERT_GT(file.size(), 14u) << bitmap.file;
            EXPECT_TRUE(Bytes(file.begin() + 14, file.end()) == resource->data)
                << "bitmap " << bitmap.id << " differs from " << bitmap.file << " (" << resource->data.size()
                << " bytes, file without header " << file.size() - 14 << ")";
        }
    }
}

}  // namespace
