// A small PNG writer for screenshots: 24-bit RGB, rows filtered, runs compressed.
#pragma once

#include <stdint.h>

#include <string>
#include <vector>

// The PNG file for a width x height picture whose rows are rgb (3 bytes a pixel, top row first, no padding).
std::vector<uint8_t> EncodePng(const std::vector<uint8_t>& rgb, int width, int height);

// Writes bytes to path; false when the file cannot be written.
bool WriteFileBytes(const std::wstring& path, const std::vector<uint8_t>& bytes);
