// The questions the editor asks a loaded plug-in: its strings, texts and toolbar flags.
#pragma once

#include "plugin_loader.h"

#include <string>

// A string from the plug-in's string table; empty when it has none by that number.
std::wstring PluginString(const Plugin& plugin, UINT id);

// The status string's two parts: the status-bar text before its line feed, the tooltip after it.
std::wstring StatusBarPart(const std::wstring& status);
std::wstring TooltipPart(const std::wstring& status);

// The answer to a text request (PIP_GET_NAME, PIP_GET_VERSION and their UTF-16 forms).
struct PluginTextAnswer {
    std::wstring text;
    LRESULT size = 0;     // what the plug-in answered when asked for the size (lParam 0)
    bool overrun = false; // it wrote past the capacity it was given
};
// Asks for the size first, then for the text into a buffer of exactly that capacity: bytes of ANSI text, or
// UTF-16 characters for the UTF-16 forms.
PluginTextAnswer PluginText(const Plugin& plugin, HWND view, UINT message, bool utf16);

// The PIP_GET_BITMAP flags for a toolbar of this size and depth (16, 256 or 0 for true colour).
WPARAM BitmapFlags(bool large, int colors);
