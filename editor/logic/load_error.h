// Why a plug-in DLL did not load, said in words: pure logic, built and tested on every platform.
#pragma once

#include <stddef.h>

// The machines of the build trees, as a Windows image's headers name them.
const unsigned MACHINE_I386 = 0x14C;
const unsigned MACHINE_AMD64 = 0x8664;
const unsigned MACHINE_ARM64 = 0xAA64;

// The machine field of a Windows image from its first bytes (or from a loaded module's headers); 0 unless
// they are a Windows image.
unsigned ImageMachine(const unsigned char* bytes, size_t size);

// A failed load's reason in one line without the path, naming the build trees that match when the DLL's machine
// (0: unknown) and the program's differ. Written to reason, NUL-terminated and cut to fit within size bytes
// (size 0 writes nothing); returns its whole length.
size_t LoadErrorReason(unsigned long error, unsigned dllMachine, unsigned programMachine, char* reason, size_t size);
