// Screenshots: a part of the screen, as the display shows it, saved as a PNG file.
#pragma once

#include <windows.h>

#include <string>

// Copies area from the screen and writes it to path as PNG with the Windows Imaging Component's encoder.
// Needs COM set up on the thread. False when either step fails.
bool SaveScreenshot(const RECT& area, const std::wstring& path);
