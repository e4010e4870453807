// Shows that a DLL seeds its stack cookie in every process: "cookie_seeding DLL" loads the DLL and reads its
// cookie, starts itself again as "cookie_seeding child DLL", which does the same in a process of its own and
// writes the value to its standard output, and requires the two values to differ from each other, from 0 and
// from the platform's default; and that the DLL's entry, run once more, changes it. The cookie is found through the load configuration where the DLL has one, and
// otherwise through the symbol table of an unstripped DLL (__stack_chk_guard).
#include "host/win32.h"

#ifdef _WIN64
static const UINT_PTR DEFAULT_COOKIE = 0x00002B992DDFA232ull;
#else
static const UINT_PTR DEFAULT_COOKIE = 0xBB40E64Eu;
#endif

static void Print(HANDLE stream, const char* text)
{
    DWORD written = 0;
    WriteFile(stream, text, lstrlenA(text), &written, nullptr);
}

// "0x" and the value in hexadecimal, all of its digits: wsprintfA takes no 64-bit value everywhere.
static void FormatHex(UINT_PTR value, char* text)
{
    static const char digits[] = "0123456789ABCDEF";
    text[0] = '0';
    text[1] = 'x';
    const int count = static_cast<int>(sizeof value * 2);
    for (int i = 0; i < count; i++)
        text[2 + i] = digits[(value >> (4 * (count - 1 - i))) & 0xF];
    text[2 + count] = '\0';
}

// The value of "0x..." as FormatHex writes it; false for anything else.
static bool ParseHex(const char* text, UINT_PTR* value)
{
    if (text[0] != '0' || text[1] != 'x' || text[2] == '\0')
        return false;
    UINT_PTR result = 0;
    for (const char* c = text + 2; *c != '\0' && *c != '\r' && *c != '\n'; c++) {
        int digit = *c >= '0' && *c <= '9' ? *c - '0' : *c >= 'A' && *c <= 'F' ? *c - 'A' + 10 : -1;
        if (digit < 0)
            return false;
        result = (result << 4) | static_cast<UINT_PTR>(digit);
    }
    *value = result;
    return true;
}

// A little-endian number of count bytes, where the file holds it unaligned.
static DWORD Little(const BYTE* bytes, int count)
{
    DWORD value = 0;
    for (int i = count - 1; i >= 0; i--)
        value = (value << 8) | bytes[i];
    return value;
}

// The cookie's relative address from the file's symbol table: its COFF symbols (18 bytes each) and the string
// table after them, which holds the names longer than 8 bytes. 0 where the file has no such symbol.
static DWORD CookieFromSymbols(const char* path)
{
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 0;
    HANDLE mapping = CreateFileMappingA(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
    const BYTE* view = mapping ? static_cast<const BYTE*>(MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0)) : nullptr;
    DWORD found = 0;
    if (view != nullptr) {
        const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(view);
        const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(view + dos->e_lfanew);
        const auto* sections = IMAGE_FIRST_SECTION(nt);
        const BYTE* symbols = view + nt->FileHeader.PointerToSymbolTable;
        const DWORD count = nt->FileHeader.NumberOfSymbols;
        const char* strings = reinterpret_cast<const char*>(symbols + count * 18);
        // i686 names C symbols with a leading underscore.
        const char* wanted = sizeof(void*) == 4 ? "___stack_chk_guard" : "__stack_chk_guard";
        for (DWORD i = 0; nt->FileHeader.PointerToSymbolTable != 0 && i < count && found == 0; i++) {
            const BYTE* symbol = symbols + i * 18;
            char shortName[9] = {};
            const char* name = shortName;
            const short section = static_cast<short>(Little(symbol + 12, 2));
            if (Little(symbol, 4) == 0)
                name = strings + Little(symbol + 4, 4);
            else
                for (int c = 0; c < 8; c++)
                    shortName[c] = static_cast<char>(symbol[c]);
            if (section > 0 && section <= nt->FileHeader.NumberOfSections && lstrcmpA(name, wanted) == 0)
                found = sections[section - 1].VirtualAddress + Little(symbol + 8, 4);
            i += symbol[17]; // auxiliary records
        }
        UnmapViewOfFile(view);
    }
    if (mapping)
        CloseHandle(mapping);
    CloseHandle(file);
    return found;
}

// Loads the DLL and finds its cookie; an error message in *why where it cannot.
static volatile UINT_PTR* FindCookie(const char* path, HMODULE* loaded, const char** why)
{
    HMODULE module = LoadLibraryA(path);
    *loaded = module;
    if (module == nullptr) {
        *why = "the DLL does not load";
        return nullptr;
    }
    const BYTE* base = reinterpret_cast<const BYTE*>(module);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_LOAD_CONFIG];
    if (directory.VirtualAddress != 0 && directory.Size != 0) {
        const auto* configuration = reinterpret_cast<const IMAGE_LOAD_CONFIG_DIRECTORY*>(base + directory.VirtualAddress);
        *why = "the load configuration names no cookie";
        return reinterpret_cast<volatile UINT_PTR*>(configuration->SecurityCookie);
    }
    DWORD rva = CookieFromSymbols(path);
    *why = "no load configuration, and no __stack_chk_guard in the file's symbols";
    return rva != 0 ? reinterpret_cast<volatile UINT_PTR*>(const_cast<BYTE*>(base) + rva) : nullptr;
}

// Loads the DLL and reads its cookie; an error message in *why where it cannot.
static bool ReadCookie(const char* path, UINT_PTR* cookie, const char** why)
{
    HMODULE module = nullptr;
    volatile UINT_PTR* address = FindCookie(path, &module, why);
    if (address == nullptr)
        return false;
    *cookie = *address;
    return true;
}

// Where the loader sets a cookie of its own, the values alone cannot tell that the DLL's entry seeds it too:
// the entry, run once more, must change the cookie. Safe, as no function of the DLL is running.
static const char* EntryReseeds(const char* path)
{
    HMODULE module = nullptr;
    const char* why = "";
    volatile UINT_PTR* address = FindCookie(path, &module, &why);
    if (address == nullptr)
        return why;
    const BYTE* base = reinterpret_cast<const BYTE*>(module);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
    typedef BOOL(WINAPI * Entry)(HINSTANCE, DWORD, LPVOID);
    Entry entry = reinterpret_cast<Entry>(const_cast<BYTE*>(base) + nt->OptionalHeader.AddressOfEntryPoint);
    const UINT_PTR before = *address;
    entry(module, DLL_PROCESS_ATTACH, nullptr);
    return *address == before ? "the entry, run again, left the cookie as it was: it does not seed it" : nullptr;
}

static int RunChild(const char* dll)
{
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    UINT_PTR cookie = 0;
    const char* why = "";
    if (!ReadCookie(dll, &cookie, &why)) {
        Print(out, why);
        return 1;
    }
    char text[24];
    FormatHex(cookie, text);
    Print(out, text);
    return 0;
}

// Runs the child with its standard output in a pipe, and reads it all into text.
static bool RunChildFor(const char* dll, char* text, DWORD size)
{
    char self[MAX_PATH];
    char line[3 * MAX_PATH];
    if (GetModuleFileNameA(nullptr, self, MAX_PATH) == 0 || wsprintfA(line, "\"%s\" child \"%s\"", self, dll) <= 0)
        return false;
    SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
    HANDLE reader = nullptr, writer = nullptr;
    if (!CreatePipe(&reader, &writer, &inheritable, 0))
        return false;
    SetHandleInformation(reader, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = writer;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION child;
    BOOL started = CreateProcessA(self, line, nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &child);
    CloseHandle(writer);
    DWORD total = 0, read = 0;
    while (started && total + 1 < size && ReadFile(reader, text + total, size - 1 - total, &read, nullptr) && read > 0)
        total += read;
    text[total] = '\0';
    CloseHandle(reader);
    if (!started)
        return false;
    WaitForSingleObject(child.hProcess, INFINITE);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    return true;
}

static int RunParent(const char* dll)
{
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    char message[4 * MAX_PATH];
    UINT_PTR mine = 0, theirs = 0;
    const char* why = "";
    if (!ReadCookie(dll, &mine, &why)) {
        wsprintfA(message, "cookie_seeding: FAIL: %s: %s\n", dll, why);
        Print(out, message);
        return 1;
    }
    char answer[MAX_PATH];
    if (!RunChildFor(dll, answer, sizeof answer)) {
        Print(out, "cookie_seeding: FAIL: cannot start the child\n");
        return 1;
    }
    if (!ParseHex(answer, &theirs)) {
        wsprintfA(message, "cookie_seeding: FAIL: %s: the child answered '%s', expected its cookie\n", dll, answer);
        Print(out, message);
        return 1;
    }
    char first[24], second[24], fallback[24];
    FormatHex(mine, first);
    FormatHex(theirs, second);
    FormatHex(DEFAULT_COOKIE, fallback);
    const char* problem = mine == 0 || theirs == 0                            ? "a cookie is 0: not seeded"
                          : mine == DEFAULT_COOKIE || theirs == DEFAULT_COOKIE ? "a cookie is the platform's default"
                          : mine == theirs ? "the same in both processes" : EntryReseeds(dll);
    wsprintfA(message, "cookie_seeding: %s: %s: cookies %s (this process) and %s (another)%s%s; expected two values "
              "that differ from each other, from 0 and from the default %s\n", problem ? "FAIL" : "ok", dll, first,
              second, problem ? ": " : "", problem ? problem : "", fallback);
    Print(out, message);
    return problem ? 1 : 0;
}

int main(int argc, char** argv)
{
    if (argc == 3 && lstrcmpA(argv[1], "child") == 0)
        return RunChild(argv[2]);
    if (argc != 2) {
        Print(GetStdHandle(STD_OUTPUT_HANDLE), "cookie_seeding: usage: cookie_seeding DLL\n");
        return 2;
    }
    return RunParent(argv[1]);
}
