// Text of the command line shown on one line: escaped bytes, and whether it is valid UTF-8.
#pragma once

#include <string>

// text on one line: control bytes, DEL, quotes and backslashes escaped. Bytes 0x80 to 0xFF are kept where
// they form valid UTF-8 and keepUtf8 is set, else written as \xNN.
std::string EscapedText(const std::string& text, bool keepUtf8);

// Whether text is valid UTF-8 (overlong forms, surrogates and code points past U+10FFFF are not).
bool IsValidUtf8(const std::string& text);

// The text escaped with its UTF-8 kept, in double quotes, as error messages quote a value.
std::string QuotedValue(const std::string& text);
