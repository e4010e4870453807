// Why a plug-in DLL did not load, said in words: pure logic, built and tested on every platform.
#pragma once

#include <stddef.h>

// The bits of a Windows image (32 or 64) from its first bytes; 0 unless they are an x86 or x64 image.
int ImageBits(const unsigned char* bytes, size_t size);

// A failed load's reason in one line without the path, naming the build trees that match when the DLL's bits
// (0: unknown) and the program's differ. Written to reason, NUL-terminated and cut to fit within size bytes
// (size 0 writes nothing); returns its whole length.
size_t LoadErrorReason(unsigned long error, int dllBits, int programBits, char* reason, size_t size);
