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

unsigned ImageMachine(const unsigned char* bytes, size_t size)
{
    // The DOS header's "MZ", its offset of the "PE\0\0" signature at 0x3C, then the machine field.
    if (size < 0x40 || bytes[0] != 'M' || bytes[1] != 'Z')
        return 0;
    unsigned long pe = ReadField(bytes + 0x3C, 4);
    if (pe > size || size - pe < 6 || ReadField(bytes + pe, 4) != 0x00004550)
        return 0;
    return static_cast<unsigned>(ReadField(bytes + pe + 4, 2));
}

// A machine of a build tree: its names, the tree that builds for it, and the program there that loads a DLL.
struct Machine {
    unsigned number;
    const char* bits; // how it is told from the other machine of x86's two
    const char* name; // how it is told from any other
    const char* tree;
    const char* program;
    const char* programPath;
};

static const Machine MACHINES[] = {
    {MACHINE_I386, "32-bit", "x86", "build/mingw-i686", "window", "editor/window/huebird-window.exe"},
    {MACHINE_AMD64, "64-bit", "x64", "build/mingw-x86_64", "window", "editor/window/huebird-window.exe"},
    {MACHINE_ARM64, "ARM64", "ARM64", "build/clang-arm64", "test program", "tests/wine/huebird_dll_test.exe"},
};

static const Machine* Find(unsigned number)
{
    for (const Machine& machine : MACHINES) {
        if (machine.number == number)
            return &machine;
    }
    return nullptr;
}

// The machine's word for itself beside another (null: alone): its word size between x86's two, else its name.
static const char* Word(const Machine& machine, const Machine* other)
{
    bool x86 = machine.number != MACHINE_ARM64 && (!other || other->number != MACHINE_ARM64);
    return x86 ? machine.bits : machine.name;
}

// The article before a machine's word: x86, x64 and ARM64 begin with a vowel's sound, 32-bit and 64-bit not.
static const char* Article(const char* word)
{
    return word[0] == 'x' || word[0] == 'A' ? "an" : "a";
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

size_t LoadErrorReason(unsigned long error, unsigned dllMachine, unsigned programMachine, char* reason, size_t size)
{
    const unsigned long BAD_EXE_FORMAT = 193; // ERROR_BAD_EXE_FORMAT
    const Machine* dll = Find(dllMachine);
    const Machine* program = Find(programMachine);
    char whole[512];
    if (error == BAD_EXE_FORMAT && dll && program && dll != program) {
        const char* dllWord = Word(*dll, program);
        const char* programWord = Word(*program, dll);
        snprintf(whole, sizeof whole,
                 "it is %s %s DLL, which this %s %s cannot load (error %lu): run the %s %s of %s (%s), or give this "
                 "one the %s DLL of %s (host/Huebird.dll)",
                 Article(dllWord), dllWord, programWord, program->program, error,
                 dllWord, dll->program, dll->tree, dll->programPath, programWord, program->tree);
    } else if (error == BAD_EXE_FORMAT && program) {
        snprintf(whole, sizeof whole, "it is not a Windows DLL for this %s %s (error %lu)", Word(*program, nullptr),
                 program->program, error);
    } else if (error == BAD_EXE_FORMAT) {
        snprintf(whole, sizeof whole, "it is not a Windows DLL for this program (error %lu)", error);
    } else {
        snprintf(whole, sizeof whole, "%s (error %lu)", Meaning(error), error);
    }
    size_t length = strlen(whole);
    if (size > 0) {
        size_t kept = length < size ? length : size - 1;
        memcpy(reason, whole, kept);
        reason[kept] = '\0';
    }
    return length;
}
