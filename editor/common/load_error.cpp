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

// A text assembled in a caller's buffer, cut to fit; `length` counts what the whole text would take.
// Plain appends rather than a formatting call, so that it needs nothing of the C or C++ library.
struct Text {
    char* out;
    size_t size;
    size_t length;
};

void Add(Text* text, const char* part)
{
    for (; *part; part++, text->length++) {
        if (text->length + 1 < text->size)
            text->out[text->length] = *part;
    }
}

void AddNumber(Text* text, unsigned long number)
{
    char digits[24];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + number % 10);
        number /= 10;
    } while (number);
    char part[24];
    for (int i = 0; i < count; i++)
        part[i] = digits[count - 1 - i];
    part[count] = '\0';
    Add(text, part);
}

// The build tree of each word size, where its window and its DLL are built.
const char* Tree(int bits)
{
    return bits == 64 ? "build/mingw-x86_64" : "build/mingw-i686";
}

void AddErrorNumber(Text* text, unsigned long error)
{
    Add(text, " (error ");
    AddNumber(text, error);
    Add(text, ")");
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

size_t LoadErrorReason(unsigned long error, int dllBits, int programBits, char* reason, size_t size)
{
    Text text = {reason, size, 0};
    bool numbered = false; // the error number said within the text rather than at its end
    switch (error) {
    case 2:   // ERROR_FILE_NOT_FOUND
    case 3:   // ERROR_PATH_NOT_FOUND
    case 126: // ERROR_MOD_NOT_FOUND: the file, or a DLL that it needs
        Add(&text, "the file or a DLL that it needs was not found");
        break;
    case 5: // ERROR_ACCESS_DENIED
        Add(&text, "the file may not be read");
        break;
    case 193: // ERROR_BAD_EXE_FORMAT
        if (dllBits != 0 && dllBits != programBits) {
            Add(&text, "it is a ");
            AddNumber(&text, static_cast<unsigned long>(dllBits));
            Add(&text, "-bit DLL, which this ");
            AddNumber(&text, static_cast<unsigned long>(programBits));
            Add(&text, "-bit window cannot load");
            AddErrorNumber(&text, error);
            Add(&text, ": run the ");
            AddNumber(&text, static_cast<unsigned long>(dllBits));
            Add(&text, "-bit window of ");
            Add(&text, Tree(dllBits));
            Add(&text, " (editor/window/huebird-window.exe), or give this one the ");
            AddNumber(&text, static_cast<unsigned long>(programBits));
            Add(&text, "-bit DLL of ");
            Add(&text, Tree(programBits));
            Add(&text, " (host/Huebird.dll)");
            numbered = true;
            break;
        }
        Add(&text, "it is not a Windows DLL for this ");
        AddNumber(&text, static_cast<unsigned long>(programBits));
        Add(&text, "-bit window");
        break;
    case 1114: // ERROR_DLL_INIT_FAILED
        Add(&text, "its entry function refused to start");
        break;
    default:
        Add(&text, "the system refused it");
        break;
    }
    if (!numbered)
        AddErrorNumber(&text, error);
    if (size > 0)
        reason[text.length < size ? text.length : size - 1] = '\0';
    return text.length;
}
