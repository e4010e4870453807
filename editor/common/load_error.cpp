// Load failures explained: the image's machine from its headers, and the system's error numbers in words.
#include "load_error.h"

namespace {

// Little-endian fields of the image headers.
unsigned ReadU16(const unsigned char* bytes)
{
    return bytes[0] | (bytes[1] << 8);
}

unsigned long ReadU32(const unsigned char* bytes)
{
    return ReadU16(bytes) | (static_cast<unsigned long>(ReadU16(bytes + 2)) << 16);
}

// The build tree of each word size, where its window and its DLL are built.
std::string Tree(int bits)
{
    return bits == 64 ? "build/mingw-x86_64" : "build/mingw-i686";
}

} // namespace

int ImageBits(const unsigned char* bytes, size_t size)
{
    // The DOS header's "MZ", its offset of the "PE\0\0" signature at 0x3C, then the machine field.
    const unsigned long MACHINE_I386 = 0x14C, MACHINE_AMD64 = 0x8664;
    if (size < 0x40 || bytes[0] != 'M' || bytes[1] != 'Z')
        return 0;
    unsigned long pe = ReadU32(bytes + 0x3C);
    if (pe > size || size - pe < 6 || ReadU32(bytes + pe) != 0x00004550)
        return 0;
    unsigned long machine = ReadU16(bytes + pe + 4);
    return machine == MACHINE_I386 ? 32 : machine == MACHINE_AMD64 ? 64 : 0;
}

std::string LoadErrorReason(unsigned long error, int dllBits, int programBits)
{
    std::string number = " (error " + std::to_string(error) + ")";
    switch (error) {
    case 2:   // ERROR_FILE_NOT_FOUND
    case 3:   // ERROR_PATH_NOT_FOUND
    case 126: // ERROR_MOD_NOT_FOUND: the file, or a DLL that it needs
        return "the file or a DLL that it needs was not found" + number;
    case 5: // ERROR_ACCESS_DENIED
        return "the file may not be read" + number;
    case 193: // ERROR_BAD_EXE_FORMAT
        if (dllBits != 0 && dllBits != programBits) {
            std::string dll = std::to_string(dllBits), program = std::to_string(programBits);
            return "it is a " + dll + "-bit DLL, which this " + program + "-bit window cannot load" + number +
                   ": run the " + dll + "-bit window of " + Tree(dllBits) + " (editor/window/huebird-window.exe)" +
                   ", or give this one the " + program + "-bit DLL of " + Tree(programBits) + " (host/Huebird.dll)";
        }
        return "it is not a Windows DLL for this " + std::to_string(programBits) + "-bit window" + number;
    case 1114: // ERROR_DLL_INIT_FAILED
        return "its entry function refused to start" + number;
    default:
        return "the system refused it" + number;
    }
}
