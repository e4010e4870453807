// Why a plug-in DLL did not load, said in words: pure logic, built and tested on every platform.
#pragma once

#include <stddef.h>

// The bits of a Windows image (32 or 64) from its first bytes, read from its headers' machine field; 0 when
// the bytes are no Windows image or its machine is neither x86 nor x64.
int ImageBits(const unsigned char* bytes, size_t size);

// The reason for a failed load, in one line without the path: from the system's error number, the bits of
// the DLL (0 when unknown) and those of the program that tried to load it. Where the two differ, it names the
// build tree that holds the matching window and the one that holds the matching DLL. Written to reason,
// NUL-terminated and cut to fit within size bytes (size 0 writes nothing); returns its whole length.
size_t LoadErrorReason(unsigned long error, int dllBits, int programBits, char* reason, size_t size);
