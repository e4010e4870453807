// Load failures explained: the image's machine from its headers, and the system's error numbers in words.
#include "load_error.h"

#include <stdio.h>
#include <string.h>

#ifdef _WIN32
// The system C runtime's own, which every Windows has; the texts here always fit, NUL included.
#define snprintf _snprintf
#endif

// A little-endian field of the image headers.
static unsigned long ReadField(const unsigned char* bytes, int size)
{
    unsigned long value = 0;
    while (size-- > 0)
        value = value << 8 | bytes[size];
    return value;
}

// The build tree of each word size, where its window and its DLL are built.
static const char* Tree(int bits)
{
    return bits == 64 ? "build/mingw-x86_64" : "build/mingw-i686";
}

int ImageBits(const unsigned char* bytes, size_t size)
{
    // The DOS header's "MZ", its offset of the "PE\0\0" signature at 0x3C, then the machine field.
    const unsigned long MACHINE_I386 = 0x14C, MACHINE_AMD64 = 0x8664;
    if (size < 0x40 || bytes[0] != 'M' || bytes[1] != 'Z')
        return 0;
    unsigned long pe = ReadField(bytes + 0x3C, 4);
    if (pe > size || size - pe < 6 || ReadField(bytes + pe, 4) != 0x00004550)
        return 0;
    unsigned long machine = ReadField(bytes + pe + 4, 2);
    return machine == MACHINE_I386 ? 32 : machine == MACHINE_AMD64 ? 64 : 0;
}

// The system's error number in words.
static const char* Meaning(unsigned long error)
{
    switch (error) {
    case 2:   // ERROR_FILE_NOT_FOUND
    case 3:   // ERROR_PATH_NOT_FOUND
    case 126: // ERROR_MOD_NOT_FOUND: the file, or a DLL that it needs
        return "the file or a DLL that it needs was not found";
    case 5: return "the file may not be read";               // ERROR_ACCESS_DENIED
    case 1114: return "its entry function refused to start"; // ERROR_DLL_INIT_FAILED
    default: return "the system refused it";
    }
}

size_t LoadErrorReason(unsigned long error, int dllBits, int programBits, char* reason, size_t size)
{
    const unsigned long BAD_EXE_FORMAT = 193; // ERROR_BAD_EXE_FORMAT
    char whole[512];
    if (error == BAD_EXE_FORMAT && dllBits != 0 && dllBits != programBits)
        snprintf(whole, sizeof whole,
                 "it is a %d-bit DLL, which this %d-bit window cannot load (error %lu): run the %d-bit window of %s "
                 "(editor/window/huebird-window.exe), or give this one the %d-bit DLL of %s (host/Huebird.dll)",
                 dllBits, programBits, error, dllBits, Tree(dllBits), programBits, Tree(programBits));
    else if (error == BAD_EXE_FORMAT)
        snprintf(whole, sizeof whole, "it is not a Windows DLL for this %d-bit window (error %lu)", programBits, error);
    else
        snprintf(whole, sizeof whole, "%s (error %lu)", Meaning(error), error);
    size_t length = strlen(whole);
    if (size > 0) {
        size_t kept = length < size ? length : size - 1;
        memcpy(reason, whole, kept);
        reason[kept] = '\0';
    }
    return length;
}
