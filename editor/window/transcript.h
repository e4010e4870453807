// The transcript: what the editor saw and did, one line at a time on stdout, and one-line errors on stderr.
#pragma once

#include <windows.h>

#include <string>

// Prints one line of the transcript on stdout: to a console as UTF-16, to a pipe or file as UTF-8.
void Say(const std::wstring& line);
// Prints a one-line error on stderr, after the program's name.
void Complain(const std::wstring& message);
