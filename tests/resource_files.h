// Test helpers for the committed bitmaps and compiled resources: whole files, little-endian fields.
#ifndef HUEBIRD_TESTS_RESOURCE_FILES_H
#define HUEBIRD_TESTS_RESOURCE_FILES_H

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

inline Bytes ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Out-of-range reads throw, so a short file fails the test instead of reading past the buffer.
inline unsigned U16(const Bytes& bytes, std::size_t at) { return bytes.at(at) | unsigned(bytes.at(at + 1)) << 8; }

inline std::uint32_t U32(const Bytes& bytes, std::size_t at) {
    return U16(bytes, at) | std::uint32_t(U16(bytes, at + 2)) << 16;
}

inline std::string BitmapPath(const char* name) {
    return std::string(HUEBIRD_SOURCE_DIR) + "/resources/bitmaps/" + name;
}

#endif
