// Tests of Huebird.dll loaded by path as the editor loads it: its exports, its resources and version block,
// the plug-in procedure, events through a real window, and the command and uninstall question with the real
// dialogs.
// Usage: huebird_dll_test PATH\Huebird.dll [area...]; with no area, every area for a Japanese system runs.
// The numbers of the plug-in interface are the editor's (plugin_abi.h), not taken from the plug-in's
// headers, so that a wrong constant in the plug-in shows.
// It needs no C++ library, only Win32 and the C runtime, so that it builds for every target the DLL does:
// fixed buffers, and no va_list handed to the C runtime (the checks' messages go straight to printf).
#include "color_dialog_plan.h"
#include "dialog_driver.h"
#include "editor_answers.h"
#include "plugin_loader.h"

#include "../cases/bitmap_header.h"
#include "../cases/event_cases.h"
#include "../cases/guarded_buffer.h"
#include "../cases/plugin_proc_cases.h"
#include "../cases/resource_cases.h"

#include "strings.h" // the version text, which the version block's numbers come from
#include "version.h" // the copyright line as LICENSE has it

#include <colordlg.h>
#include <stdio.h>
#include <string.h>
#include <winver.h>

namespace {

// ---- Reporting, one line per failed check ----

// Checks made and failed in this run, and the area that runs.
int Checks;
int Failures;
const char* Area = "";

// Counts a check; a failed one starts its line, which the caller's printf ends.
bool Passed(int line, bool condition)
{
    Checks++;
    if (condition)
        return true;
    Failures++;
    printf("huebird_dll_test.cpp:%d: %s: Test failed: ", line, Area);
    return false;
}

bool Reported(int)
{
    fflush(stdout);
    return false;
}

// True when condition holds; otherwise prints the message, formatted as printf does, and is false.
#define ok(condition, ...) (Passed(__LINE__, (condition)) || Reported(printf(__VA_ARGS__)))

// Formats into a char array, always NUL-terminated: the C runtime's _snprintf, called directly.
#define format_to(array, ...) ((array)[sizeof(array) - 1] = '\0', _snprintf((array), sizeof(array) - 1, __VA_ARGS__))

// Pointer-wide numbers widened for printing with %lld and %llu / %llx.
long long AsSigned(LONG_PTR value)
{
    return value;
}

unsigned long long AsUnsigned(ULONG_PTR value)
{
    return value;
}

// Appends part to the NUL-terminated text in array, cut to fit.
template <size_t N> void Append(char (&array)[N], const char* part)
{
    size_t length = strlen(array);
    for (; *part && length + 1 < N; part++)
        array[length++] = *part;
    array[length] = '\0';
}

// Bytes shown as hexadecimal, for messages about text in code page 932; the longest text shown is 80 bytes.
struct Hex {
    char text[3 * 80 + 8];
};

Hex HexBytes(const char* bytes, size_t count)
{
    static const char DIGITS[] = "0123456789ABCDEF";
    Hex hex = {"(none)"};
    size_t at = 0;
    for (size_t i = 0; i < count && at + 4 <= sizeof hex.text; i++) {
        unsigned char byte = static_cast<unsigned char>(bytes[i]);
        if (i > 0)
            hex.text[at++] = ' ';
        hex.text[at++] = DIGITS[byte >> 4];
        hex.text[at++] = DIGITS[byte & 15];
        hex.text[at] = '\0';
    }
    return hex;
}

// ---- The editor's side of the plug-in interface ----

const LANGID JAPANESE = 0x411;

// The loaded library, its file and its entry points, found by name.
HMODULE Module;
wchar_t ModulePath[MAX_PATH];
OnCommandProc OnCommand;
QueryStatusProc QueryStatus;
OnEventsProc OnEvents;
GetMenuTextIdProc GetMenuTextID;
GetStatusMessageIdProc GetStatusMessageID;
GetBitmapIdProc GetBitmapID;
PlugInProcProc PlugInProc;

// The seven exports in ordinal order.
const char* const EXPORT_NAMES[7] = {"OnCommand",          "QueryStatus", "OnEvents",  "GetMenuTextID",
                                     "GetStatusMessageID", "GetBitmapID", "PlugInProc"};

// ---- Destination buffers with guard bytes ----

// What went wrong with a destination, in words.
struct Problem {
    char text[96];

    void Differs(long offset, size_t capacity, unsigned expected, unsigned actual)
    {
        format_to(text, "byte %ld of a destination of capacity %u: expected %02X, got %02X", offset,
                  static_cast<unsigned>(capacity), expected, actual);
    }
};

#define ok_buffer(buffer, written, count, what)                                                              \
    do {                                                                                                     \
        Problem problem_ = {""};                                                                             \
        ok((buffer).Holds((written), (count), &problem_), "%s: %s\n", (what), problem_.text);                \
    } while (0)

// ---- The calling convention, on 32-bit Windows ----

#if defined(__GNUC__) && defined(__i386__)
// Calls fn with count 4-byte arguments and returns how many bytes of them are left on the stack after it
// returns: 0 for a __stdcall (WINAPI) function, which removes its own arguments.
int StackLeftByCall(void* fn, const DWORD* args, int count)
{
    int left, ignoredA, ignoredD;
    __asm__ volatile("movl %%esp, %%esi\n\t"
                     "1:\n\t"
                     "testl %%ecx, %%ecx\n\t"
                     "jz 2f\n\t"
                     "pushl -4(%%ebx,%%ecx,4)\n\t"
                     "decl %%ecx\n\t"
                     "jmp 1b\n\t"
                     "2:\n\t"
                     "call *%%edi\n\t"
                     "movl %%esi, %%ecx\n\t"
                     "subl %%esp, %%ecx\n\t"
                     "movl %%esi, %%esp\n\t"
                     : "=c"(left), "=a"(ignoredA), "=d"(ignoredD)
                     : "D"(fn), "b"(args), "0"(count)
                     : "esi", "memory", "cc");
    return left;
}
#define CHECK_STDCALL 1
#elif defined(_MSC_VER) && defined(_M_IX86)
// The same in the MSVC toolchain's inline assembly: the arguments read before the first push, the result
// stored after the stack is restored.
int StackLeftByCall(void* fn, const DWORD* args, int count)
{
    int left;
    __asm {
        mov edi, fn
        mov ebx, args
        mov ecx, count
        mov esi, esp
    next:
        test ecx, ecx
        jz done
        push dword ptr [ebx + ecx * 4 - 4]
        dec ecx
        jmp next
    done:
        call edi
        mov ecx, esi
        sub ecx, esp
        mov esp, esi
        mov left, ecx
    }
    return left;
}
#define CHECK_STDCALL 1
#else
#define CHECK_STDCALL 0
#endif

// ---- Windows that stand for the editor ----

// One message that the plug-in sent to a test window, in order.
struct Received {
    HWND hwnd;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    char text[9];    // MSG_INSERT_TEXT: the bytes up to the NUL, at most 8 read
    bool terminated; // MSG_INSERT_TEXT: a NUL within those 8 bytes
};

// What the test windows received, in order: the first MOST_LOGGED kept, all counted.
const size_t MOST_LOGGED = 32;
Received Log[MOST_LOGGED];
size_t LogCount;

// The selected text the editor window hands over, as bytes; it may be longer than the buffer.
const char* Selection = "";

LRESULT CALLBACK EditorProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg != MSG_UPDATE_TOOLBAR && msg != MSG_GET_SELECTION && msg != MSG_INSERT_TEXT)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    Received entry = {hwnd, msg, wParam, lParam, "", false};
    // As the editor answers, by the editor side's one implementation, in the runner's code page 932.
    size_t handedOver, answer = 0;
    if (msg == MSG_GET_SELECTION)
        answer = AnswerGetSelection(Selection, strlen(Selection), Cp932CharacterSize, reinterpret_cast<char*>(lParam),
                                    wParam, &handedOver);
    if (msg == MSG_INSERT_TEXT && lParam) {
        const char* text = reinterpret_cast<const char*>(lParam);
        memcpy(entry.text, text, InsertedTextLength(text, 8, &entry.terminated));
    }
    if (LogCount < MOST_LOGGED)
        Log[LogCount] = entry;
    LogCount++;
    return static_cast<LRESULT>(answer);
}

HWND CreateEditorWindow()
{
    static ATOM editorClass;
    if (!editorClass) {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = EditorProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "HuebirdTestEditor";
        editorClass = RegisterClassA(&windowClass);
    }
    HWND hwnd = CreateWindowA("HuebirdTestEditor", "Huebird test editor", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300,
                              nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ok(hwnd != nullptr, "CreateWindowA failed, error %lu\n", GetLastError());
    return hwnd;
}

// ---- Area: exports ----

void TestExports()
{
    FARPROC byName[7];
    for (int i = 0; i < 7; i++) {
        byName[i] = GetProcAddress(Module, EXPORT_NAMES[i]);
        FARPROC byOrdinal = GetProcAddress(Module, MAKEINTRESOURCEA(i + 1));
        ok(byName[i] != nullptr, "%s: not exported by name\n", EXPORT_NAMES[i]);
        ok(byOrdinal == byName[i], "ordinal %d: expected %s at %p, got %p\n", i + 1, EXPORT_NAMES[i],
           reinterpret_cast<void*>(byName[i]), reinterpret_cast<void*>(byOrdinal));
    }
    ok(GetProcAddress(Module, MAKEINTRESOURCEA(8)) == nullptr, "ordinal 8: expected no export\n");
    const char* const absent[] = {"DllMain", "_OnCommand@4", "OnCommand@4", "_QueryStatus@8", "PlugInProc@16"};
    for (const char* name : absent)
        ok(GetProcAddress(Module, name) == nullptr, "%s: expected no such export\n", name);

    // The export table as the loader sees it: the module's name, ordinal base and counts.
    const BYTE* base = reinterpret_cast<const BYTE*>(Module);
    const IMAGE_DOS_HEADER* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const IMAGE_NT_HEADERS* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    if (ok(directory.VirtualAddress != 0, "no export directory\n")) {
        const IMAGE_EXPORT_DIRECTORY* exports =
            reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + directory.VirtualAddress);
        const char* name = reinterpret_cast<const char*>(base + exports->Name);
        ok(strcmp(name, "Huebird.dll") == 0, "export table names the module \"%s\", expected \"Huebird.dll\"\n",
           name);
        ok(exports->Base == 1, "ordinal base: expected 1, got %lu\n", exports->Base);
        ok(exports->NumberOfFunctions == 7 && exports->NumberOfNames == 7,
           "expected 7 exports, 7 by name; got %lu, %lu\n", exports->NumberOfFunctions, exports->NumberOfNames);
    }
    ok(nt->OptionalHeader.AddressOfEntryPoint != 0, "the library has no entry function\n");

    // The editor asks for the resource numbers first, before any other call.
    for (int call = 0; call < 2; call++) {
        UINT menu = GetMenuTextID(), status = GetStatusMessageID(), bitmap = GetBitmapID();
        ok(menu == 1, "GetMenuTextID: expected 1, got %u\n", menu);
        ok(status == 2, "GetStatusMessageID: expected 2, got %u\n", status);
        ok(bitmap == 101, "GetBitmapID: expected 101, got %u\n", bitmap);
    }

    HWND editor = CreateEditorWindow();
    const HWND windows[] = {editor, nullptr};
    for (HWND window : windows) {
        BOOL area[3] = {TRUE, TRUE, TRUE};
        BOOL result = QueryStatus(window, &area[1]);
        ok(result == TRUE, "QueryStatus(%p): expected TRUE, got %d\n", static_cast<void*>(window), result);
        ok(area[1] == FALSE, "QueryStatus: expected FALSE written over TRUE, got %d\n", area[1]);
        ok(area[0] == TRUE && area[2] == TRUE, "QueryStatus wrote beside the BOOL: %d before, %d after\n",
           area[0], area[2]);
    }
    ok(LogCount == 0, "QueryStatus sent %u messages, expected none\n", static_cast<unsigned>(LogCount));

#if CHECK_STDCALL
    // Each export removes its own arguments, as a WINAPI function does.
    BOOL checked = TRUE;
    const DWORD queryArgs[2] = {reinterpret_cast<DWORD>(editor), reinterpret_cast<DWORD>(&checked)};
    const DWORD eventArgs[3] = {reinterpret_cast<DWORD>(editor), 0x1, 0};
    const DWORD procArgs[4] = {reinterpret_cast<DWORD>(editor), 0x8FF, 0, 0};
    struct Call {
        const char* name;
        void* fn;
        const DWORD* args;
        int count;
    };
    const Call calls[] = {
        {"QueryStatus", reinterpret_cast<void*>(QueryStatus), queryArgs, 2},
        {"OnEvents", reinterpret_cast<void*>(OnEvents), eventArgs, 3},
        {"PlugInProc", reinterpret_cast<void*>(PlugInProc), procArgs, 4},
        {"GetMenuTextID", reinterpret_cast<void*>(GetMenuTextID), nullptr, 0},
    };
    for (const Call& call : calls) {
        int left = StackLeftByCall(call.fn, call.args, call.count);
        ok(left == 0, "%s: expected __stdcall to remove its %d bytes of arguments, %d left on the stack\n",
           call.name, call.count * 4, left);
    }
#endif
    DestroyWindow(editor);
}

// ---- Area: resources ----

// The Japanese text of a string case as LoadStringW gives it.
const wchar_t* Utf16(const char16_t* text)
{
    return reinterpret_cast<const wchar_t*>(text);
}

// Whether the UTF-16 text is the ASCII text, character for character.
bool SameAsAscii(const wchar_t* wide, const char* ascii)
{
    for (; *ascii; wide++, ascii++) {
        if (*wide != static_cast<wchar_t>(*ascii))
            return false;
    }
    return *wide == L'\0';
}

// Every resource of the module as type/name/language and a space each, collected by enumeration.
char ResourceList[512];

BOOL CALLBACK ListLanguage(HMODULE, LPCSTR type, LPCSTR name, WORD language, LONG_PTR)
{
    char entry[64];
    format_to(entry, "%u/%u/0x%X ", static_cast<unsigned>(reinterpret_cast<ULONG_PTR>(type)),
              static_cast<unsigned>(reinterpret_cast<ULONG_PTR>(name)), language);
    if (!IS_INTRESOURCE(type) || !IS_INTRESOURCE(name))
        format_to(entry, "a resource named by a string ");
    Append(ResourceList, entry);
    return TRUE;
}

BOOL CALLBACK ListName(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR param)
{
    EnumResourceLanguagesA(module, type, name, ListLanguage, param);
    return TRUE;
}

BOOL CALLBACK ListType(HMODULE module, LPSTR type, LONG_PTR param)
{
    EnumResourceNamesA(module, type, ListName, param);
    return TRUE;
}

void TestResources()
{
    UINT codePage = GetACP();
    ok(codePage == 932, "the ANSI code page is %u, expected 932 (a Japanese system)\n", codePage);

    for (const StringCase& row : STRING_CASES) {
        const int expected = static_cast<int>(strlen(row.japaneseCp932));
        GuardedBuffer buffer(80);
        int length = LoadStringA(Module, row.id, reinterpret_cast<char*>(buffer.Dest()), 80);
        ok(length == expected, "LoadStringA(%u): expected %d bytes, got %d\n", row.id, expected, length);
        Problem problem = {""};
        ok(buffer.Holds(row.japaneseCp932, expected + 1, &problem), "LoadStringA(%u): expected %s, got %s (%s)\n",
           row.id, HexBytes(row.japaneseCp932, expected).text,
           HexBytes(reinterpret_cast<const char*>(buffer.Dest()), length > 0 ? length : 0).text, problem.text);

        wchar_t wide[80];
        const wchar_t* japanese = Utf16(row.japanese);
        int wideLength = LoadStringW(Module, row.id, wide, 80);
        ok(wideLength == static_cast<int>(wcslen(japanese)) && wcscmp(wide, japanese) == 0,
           "LoadStringW(%u): the UTF-16 text differs (%d characters, expected %d)\n", row.id, wideLength,
           static_cast<int>(wcslen(japanese)));
    }
    const UINT undefined[] = {0, 6, 16};
    for (UINT id : undefined) {
        char text[80] = "";
        int length = LoadStringA(Module, id, text, sizeof text);
        ok(length == 0, "LoadStringA(%u): expected not found (0), got %d\n", id, length);
    }

    // Nothing but the string blocks of numbers 0 to 15, Japanese and English, the six Japanese bitmaps and
    // the English version block.
    ResourceList[0] = '\0';
    EnumResourceTypesA(Module, ListType, 0);
    const char* const expectedList =
        "2/101/0x411 2/102/0x411 2/103/0x411 2/104/0x411 2/105/0x411 2/106/0x411 6/1/0x409 6/1/0x411 16/1/0x409 ";
    ok(strcmp(ResourceList, expectedList) == 0, "resources (type/name/language): expected %s, got %s\n",
       expectedList, ResourceList);

    for (const BitmapCase& row : BITMAP_CASES) {
        HRSRC found = FindResourceExA(Module, MAKEINTRESOURCEA(2), MAKEINTRESOURCEA(row.id), JAPANESE);
        if (!ok(found != nullptr, "bitmap %u: not found in language 0x411\n", row.id))
            continue;
        DWORD size = SizeofResource(Module, found);
        const unsigned char* bytes = static_cast<const unsigned char*>(LockResource(LoadResource(Module, found)));
        if (!ok(bytes != nullptr, "bitmap %u: cannot be loaded\n", row.id))
            continue;
        BitmapDifference difference = {};
        ok(BitmapInfoMatches(bytes, size, row, &difference), "bitmap %u: %s: expected %lu, got %lu\n", row.id,
           difference.field, difference.expected, difference.actual);
        const LONG side = static_cast<LONG>(row.size);

        // As a toolbar loads it.
        HBITMAP bitmap = LoadBitmapA(Module, MAKEINTRESOURCEA(row.id));
        BITMAP info = {};
        ok(bitmap && GetObjectA(bitmap, sizeof info, &info) && info.bmWidth == side && info.bmHeight == side,
           "LoadBitmapA(%u): expected a %ld x %ld bitmap, got %p (%ld x %ld)\n", row.id, side, side,
           static_cast<void*>(bitmap), static_cast<long>(info.bmWidth), static_cast<long>(info.bmHeight));
        if (bitmap)
            DeleteObject(bitmap);
    }
}

// ---- Area: the plug-in procedure ----

// The text that a text request's message asks for, or null.
const char* RequestedText(UINT msg)
{
    for (const TextRequest& request : TEXT_REQUESTS) {
        if (request.msg == msg)
            return request.text;
    }
    return nullptr;
}

void TestPlugInProc()
{
    HWND editor = CreateEditorWindow();

    for (const ConstantAnswerCase& c : CONSTANT_ANSWER_CASES) {
        for (unsigned long long bits : CONSTANT_ANSWER_WPARAMS) {
            const WPARAM wParam = static_cast<WPARAM>(bits);
            const LRESULT expected = static_cast<LRESULT>(c.answer);
            GuardedBuffer buffer(80);
            LRESULT withBuffer = PlugInProc(editor, c.msg, wParam, buffer.Dest());
            LRESULT withoutBuffer = PlugInProc(editor, c.msg, wParam, 0);
            ok(withBuffer == expected && withoutBuffer == expected,
               "message 0x%X, wParam 0x%llx: expected %lld, got %lld with a buffer and %lld without\n", c.msg,
               AsUnsigned(wParam), AsSigned(expected), AsSigned(withBuffer), AsSigned(withoutBuffer));
            char what[64];
            format_to(what, "message 0x%X, wParam 0x%llx", c.msg, AsUnsigned(wParam));
            ok_buffer(buffer, "", 0, what);
        }
    }

    for (const TextRequestCase& c : TEXT_REQUEST_CASES) {
        if (!IsWparam(c.capacity, sizeof(WPARAM)))
            continue;
        const char* text = RequestedText(c.msg);
        if (!text) {
            ok(false, "message 0x%X: no text to expect\n", c.msg);
            continue;
        }
        const WPARAM capacity = static_cast<WPARAM>(c.capacity);
        const LRESULT answer = static_cast<LRESULT>(strlen(text) + 1);
        // A capacity beyond the buffer's 80 bytes: only the text and its NUL may be written there.
        GuardedBuffer buffer(capacity);
        LRESULT result = PlugInProc(editor, c.msg, capacity, c.destination ? buffer.Dest() : 0);
        ok(result == answer, "message 0x%X, capacity %llu%s: expected %lld, got %lld\n", c.msg, AsUnsigned(capacity),
           c.destination ? "" : ", no destination", AsSigned(answer), AsSigned(result));
        char written[MOST_CAPACITY + 1] = "";
        size_t count = 0;
        if (c.kept != NOTHING_WRITTEN) {
            memcpy(written, text, c.kept);
            written[c.kept] = '\0';
            count = c.kept + 1;
        }
        char what[64];
        format_to(what, "message 0x%X, capacity %llu%s", c.msg, AsUnsigned(capacity),
                  c.destination ? "" : ", no destination");
        ok_buffer(buffer, written, count, what);
    }

    for (const BitmapChoiceCase& b : BITMAP_CHOICE_CASES) {
        const WPARAM flags = static_cast<WPARAM>(b.flags);
        LRESULT id = PlugInProc(editor, PIP_GET_BITMAP, flags, 0);
        ok(id == static_cast<LRESULT>(b.bitmap), "bitmap for flags 0x%llx: expected %lld, got %lld\n",
           AsUnsigned(flags), b.bitmap, AsSigned(id));
    }
    ok(LogCount == 0, "the plug-in procedure sent %u messages to the editor, expected none\n",
       static_cast<unsigned>(LogCount));
    DestroyWindow(editor);
}

// ---- Area: the uninstall question ----

// The question follows the display language alone, whatever the ANSI code page: each area that asks it runs
// in the locale of one of these systems (tests/wine/areas.cmake), and the box's text is read in UTF-16.
struct QuestionCase {
    const char* area;
    const char* system;
    UINT codePage;
    bool japaneseDisplay;
};

const QuestionCase QUESTION_CASES[] = {
    {"uninstall", "a Japanese system", 932, true},
    {"uninstall_cp1252", "a Japanese display language on a Western code page", 1252, true},
    {"english", "a system that is not Japanese", 1252, false},
};

// Wide text as UTF-8, for messages.
struct Utf8 {
    char text[768];
};

Utf8 AsUtf8(const wchar_t* wide)
{
    Utf8 utf8 = {""};
    if (!WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8.text, sizeof utf8.text, nullptr, nullptr))
        utf8.text[sizeof utf8.text - 1] = '\0'; // cut short: what fitted stays
    return utf8;
}

struct BoxVisit {
    int button;          // what to press
    int ticks;           // ticks without a box so far
    bool seen;
    MessageBoxContent content; // as read from the box
    bool yesNo;          // Yes and No buttons, and no OK or Cancel
};

// Fails when the watch had to close windows that the test did not expect, naming the first.
void CheckNoUnexpectedWindow(const char* what)
{
    char window[512];
    int closed = UnexpectedWindowsClosed(window, sizeof window);
    ok(closed == 0, "%s: closed %d window(s) that the test did not expect, the first: %s\n", what, closed, window);
}

BOOL AnswerMessageBox(HWND owner, void* context)
{
    BoxVisit* visit = static_cast<BoxVisit*>(context);
    HWND box = FindMessageBox(owner);
    if (!box)
        return GiveUpWaiting(&visit->ticks);
    visit->seen = true;
    ReadMessageBox(box, &visit->content);
    visit->yesNo = GetDlgItem(box, IDYES) && GetDlgItem(box, IDNO) && !GetDlgItem(box, IDOK) &&
                   !GetDlgItem(box, IDCANCEL);
    PressDialogButton(box, visit->button);
    return TRUE;
}

// The question of the running area's system, answered Yes and then No.
void TestUninstall()
{
    const QuestionCase* c = nullptr;
    for (const QuestionCase& row : QUESTION_CASES)
        c = strcmp(row.area, Area) == 0 ? &row : c;
    if (!ok(c != nullptr, "no uninstall question case for this area\n"))
        return;
    UINT codePage = GetACP();
    LANGID language = GetUserDefaultUILanguage();
    bool japaneseDisplay = PRIMARYLANGID(language) == LANG_JAPANESE;
    ok(codePage == c->codePage && japaneseDisplay == c->japaneseDisplay,
       "expected %s: code page %u, %s display language; got code page %u, language 0x%X\n", c->system, c->codePage,
       c->japaneseDisplay ? "a Japanese" : "another", codePage, language);

    const StringCase& row = STRING_CASES[2];
    const Utf8 expected = c->japaneseDisplay ? AsUtf8(Utf16(row.japanese)) : Utf8();
    const char* question = c->japaneseDisplay ? expected.text : row.english;
    HWND editor = CreateEditorWindow();
    const int buttons[] = {IDYES, IDNO};
    for (int button : buttons) {
        BoxVisit visit = {button, 0, false, {L"", L""}, false};
        StartDialogWatch(editor, AnswerMessageBox, &visit, 20);
        LRESULT result = PlugInProc(editor, PIP_CONFIRM_UNINSTALL, 0, 0);
        StopDialogWatch();
        const char* name = button == IDYES ? "Yes" : "No";
        const LRESULT wanted = button == IDYES ? 1 : 0;
        CheckNoUnexpectedWindow(name);
        ok(visit.seen, "%s: no message box owned by the editor window appeared\n", name);
        ok(result == wanted, "%s: expected %lld, got %lld\n", name, AsSigned(wanted), AsSigned(result));
        bool same = c->japaneseDisplay ? wcscmp(visit.content.text, Utf16(row.japanese)) == 0
                                       : SameAsAscii(visit.content.text, row.english);
        ok(same, "%s: box text \"%s\", expected \"%s\" (in UTF-8)\n", name, AsUtf8(visit.content.text).text, question);
        ok(wcscmp(visit.content.caption, L"EmEditor") == 0, "%s: caption \"%s\", expected \"EmEditor\"\n", name,
           AsUtf8(visit.content.caption).text);
        ok(visit.yesNo, "%s: expected Yes and No buttons only\n", name);
    }
    ok(LogCount == 0, "the question sent %u messages to the editor, expected none\n", static_cast<unsigned>(LogCount));
    DestroyWindow(editor);
}

// ---- Area: a system that is not Japanese ----

void TestEnglish()
{
    UINT codePage = GetACP();
    LANGID language = GetUserDefaultUILanguage();
    printf("english: ANSI code page %u, user-interface language 0x%X\n", codePage, language);
    ok(codePage != 932 && PRIMARYLANGID(language) != LANG_JAPANESE,
       "expected a system that is not Japanese, got code page %u and language 0x%X\n", codePage, language);

    // The editor reads strings 1 and 2 with either call; the plug-in reads 4 and 5 with LoadStringA, 3 with
    // LoadStringW.
    for (const StringCase& row : STRING_CASES) {
        const UINT id = row.id;
        const int expected = static_cast<int>(strlen(row.english));
        GuardedBuffer buffer(80);
        int length = LoadStringA(Module, id, reinterpret_cast<char*>(buffer.Dest()), 80);
        Problem problem = {""};
        ok(length == expected && buffer.Holds(row.english, expected + 1, &problem),
           "LoadStringA(%u): expected \"%s\" (%d bytes), got %d bytes: %s (%s)\n", id, row.english, expected, length,
           HexBytes(reinterpret_cast<const char*>(buffer.Dest()), length > 0 ? length : 0).text, problem.text);

        wchar_t wide[80] = L"";
        int wideLength = LoadStringW(Module, id, wide, 80);
        ok(wideLength == expected && SameAsAscii(wide, row.english),
           "LoadStringW(%u): expected \"%s\", got %d characters: \"%ls\"\n", id, row.english, wideLength, wide);
    }

    // The bitmaps exist in Japanese only, and a toolbar in any language finds them.
    for (const BitmapCase& row : BITMAP_CASES) {
        HBITMAP bitmap = LoadBitmapA(Module, MAKEINTRESOURCEA(row.id));
        ok(bitmap != nullptr, "LoadBitmapA(%u): not found, error %lu\n", row.id, GetLastError());
        if (bitmap)
            DeleteObject(bitmap);
    }

    TestUninstall();
}

// ---- Area: the version block ----

// What the version block must say, from the string table's version text ("Version 0.2 by ..."): its
// numbers, the ones it leaves out zero, and the same as text.
struct ExpectedVersion {
    bool found;
    unsigned parts[4];
    char text[48];
};

ExpectedVersion VersionFromText(const char* text)
{
    ExpectedVersion version = {false, {0, 0, 0, 0}, ""};
    const char* at = text;
    for (const char* prefix = "Version "; *prefix; prefix++, at++) {
        if (*at != *prefix)
            return version;
    }
    int count = 0;
    while (count < 4 && *at >= '0' && *at <= '9') {
        unsigned number = 0;
        while (*at >= '0' && *at <= '9')
            number = number * 10 + static_cast<unsigned>(*at++ - '0');
        version.parts[count++] = number;
        if (*at != '.')
            break;
        at++;
    }
    version.found = count >= 2 && *at == ' ';
    format_to(version.text, "%u.%u.%u.%u", version.parts[0], version.parts[1], version.parts[2], version.parts[3]);
    return version;
}

// The whole version block of the DLL's file, as Explorer and installers read it.
BYTE VersionBlock[4096];

void TestVersion()
{
    const ExpectedVersion expected = VersionFromText(STRING_VERSION);
    if (!ok(expected.found, "cannot read the version numbers from STRING_VERSION \"%s\"\n", STRING_VERSION))
        return;
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeW(ModulePath, &ignored);
    if (!ok(size != 0 && size <= sizeof VersionBlock,
            "GetFileVersionInfoSizeW: expected a version block of at most %u bytes, got %lu (error %lu)\n",
            static_cast<unsigned>(sizeof VersionBlock), size, GetLastError()))
        return;
    if (!ok(GetFileVersionInfoW(ModulePath, 0, size, VersionBlock), "GetFileVersionInfoW failed, error %lu\n",
            GetLastError()))
        return;

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (ok(VerQueryValueW(VersionBlock, L"\\", reinterpret_cast<void**>(&fixed), &length) && fixed &&
               length == sizeof *fixed && fixed->dwSignature == VS_FFI_SIGNATURE,
           "no fixed file information (%u bytes)\n", length)) {
        const DWORD high = expected.parts[0] << 16 | expected.parts[1];
        const DWORD low = expected.parts[2] << 16 | expected.parts[3];
        ok(fixed->dwFileVersionMS == high && fixed->dwFileVersionLS == low,
           "file version: expected %s, got %lu.%lu.%lu.%lu\n", expected.text, fixed->dwFileVersionMS >> 16,
           fixed->dwFileVersionMS & 0xFFFF, fixed->dwFileVersionLS >> 16, fixed->dwFileVersionLS & 0xFFFF);
        ok(fixed->dwProductVersionMS == high && fixed->dwProductVersionLS == low,
           "product version: expected %s, got %lu.%lu.%lu.%lu\n", expected.text, fixed->dwProductVersionMS >> 16,
           fixed->dwProductVersionMS & 0xFFFF, fixed->dwProductVersionLS >> 16, fixed->dwProductVersionLS & 0xFFFF);
        ok(fixed->dwFileType == VFT_DLL && fixed->dwFileOS == VOS_NT_WINDOWS32 &&
               (fixed->dwFileFlags & fixed->dwFileFlagsMask) == 0,
           "expected a DLL for Windows NT, no flags (debug, pre-release...); got type %lu, system 0x%lX, flags 0x%lX\n",
           fixed->dwFileType, fixed->dwFileOS, fixed->dwFileFlags & fixed->dwFileFlagsMask);
    }

    // One language, English (United States) in UTF-16, and its texts under that name.
    WORD* translation = nullptr;
    length = 0;
    ok(VerQueryValueW(VersionBlock, L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length) &&
           translation && length == 4 && translation[0] == 0x409 && translation[1] == 1200,
       "translations: expected one, 0x409 and code page 1200; got %u bytes, the first 0x%X, %u\n", length,
       translation && length >= 4 ? translation[0] : 0, translation && length >= 4 ? translation[1] : 0);
    struct Field {
        const wchar_t* query;
        const char* text;
    };
    const Field fields[] = {
        {L"\\StringFileInfo\\040904B0\\FileDescription", STRING_FILE_DESCRIPTION},
        {L"\\StringFileInfo\\040904B0\\FileVersion", expected.text},
        {L"\\StringFileInfo\\040904B0\\InternalName", "Huebird.dll"},
        {L"\\StringFileInfo\\040904B0\\LegalCopyright", HUEBIRD_COPYRIGHT},
        {L"\\StringFileInfo\\040904B0\\OriginalFilename", "Huebird.dll"},
        {L"\\StringFileInfo\\040904B0\\ProductName", STRING_PLUGIN_NAME},
        {L"\\StringFileInfo\\040904B0\\ProductVersion", expected.text},
    };
    for (const Field& field : fields) {
        wchar_t* text = nullptr;
        length = 0;
        BOOL found = VerQueryValueW(VersionBlock, field.query, reinterpret_cast<void**>(&text), &length);
        ok(found && text && SameAsAscii(text, field.text), "%ls: expected \"%s\", got %s\"%ls\"\n", field.query,
           field.text, found && text ? "" : "nothing ", found && text ? text : L"");
    }
}

// ---- Area: events ----

void TestOnEvents()
{
    HWND editor = CreateEditorWindow();
    HWND other = CreateEditorWindow();
    bool first = true;
    for (const EventSequence& sequence : EVENT_SEQUENCES) {
        // Each sequence starts with nothing saved: the first on the plug-in as loaded, the others after a
        // save of 0, which a replay sends as it sends nothing saved.
        if (!first)
            OnEvents(editor, 0x400, 0);
        first = false;
        for (size_t i = 0; i < sequence.count; i++) {
            const EventCall& call = sequence.calls[i];
            HWND window = call.window == EDITOR_WINDOW ? editor : other;
            const WPARAM sent = static_cast<WPARAM>(call.sent);
            LogCount = 0;
            OnEvents(window, call.events, static_cast<LPARAM>(call.param));
            if (!call.sends) {
                ok(LogCount == 0, "%s, call %u (events 0x%X): expected no message, got %u\n", sequence.behaviour,
                   static_cast<unsigned>(i), call.events, static_cast<unsigned>(LogCount));
                continue;
            }
            if (!ok(LogCount == 1, "%s, call %u (events 0x%X): expected one message, got %u\n", sequence.behaviour,
                    static_cast<unsigned>(i), call.events, static_cast<unsigned>(LogCount)))
                continue;
            const Received& got = Log[0];
            ok(got.hwnd == window && got.msg == MSG_UPDATE_TOOLBAR,
               "%s, call %u: expected message 0x802 to %p, got 0x%X to %p\n", sequence.behaviour,
               static_cast<unsigned>(i), static_cast<void*>(window), got.msg, static_cast<void*>(got.hwnd));
            ok(got.wParam == sent && got.lParam == 0,
               "%s, call %u: expected wParam 0x%llx, lParam 0; got 0x%llx, 0x%llx\n", sequence.behaviour,
               static_cast<unsigned>(i), AsUnsigned(sent), AsUnsigned(got.wParam), AsUnsigned(got.lParam));
        }
    }
    DestroyWindow(editor);
    DestroyWindow(other);
}

// ---- Area: the command, with the real colour dialog ----

struct DialogVisit {
    ColorDialogAction plan[MOST_COLOR_DIALOG_ACTIONS]; // how it is answered, one action a tick
    int actions, taken;
    bool answeredRight;  // every action could be taken, and OK pressed on the colour planned
    int ticks;
    bool seen;
    bool read;           // the preset could be read
    COLORREF preset;
    bool fullOpen;       // the custom-colour part is open: its "define" button disabled
    size_t messagesBefore; // messages the editor had received when the dialog was up
};

BOOL AnswerColorDialog(HWND owner, void* context)
{
    DialogVisit* visit = static_cast<DialogVisit*>(context);
    HWND dialog = FindColorDialog(owner);
    if (!dialog)
        return GiveUpWaiting(&visit->ticks);
    if (!visit->seen) {
        visit->seen = true;
        visit->messagesBefore = LogCount;
        visit->read = ReadColorDialogRgb(dialog, &visit->preset) != FALSE;
        HWND define = GetDlgItem(dialog, COLOR_MIX); // the button that opens the custom-colour part
        visit->fullOpen = define && !IsWindowEnabled(define);
    }
    COLORREF shown;
    visit->answeredRight &= TakeColorDialogAction(dialog, visit->plan[visit->taken++], visit->preset, &shown) != FALSE;
    return visit->taken >= visit->actions;
}

struct CommandCase {
    const char* name;
    const char* selection;
    COLORREF preset;
    bool choose;
    COLORREF chosen;
    int button;
    const char* inserted; // null: nothing entered
};

void RunCommand(HWND editor, const CommandCase& c, bool checkStdcall)
{
    LogCount = 0;
    Selection = c.selection;
    static DialogVisit visit;
    visit = DialogVisit();
    visit.actions = PlanColorDialog(nullptr, nullptr, 0, c.button == IDOK, c.choose, c.chosen, visit.plan);
    visit.answeredRight = true;
    StartDialogWatch(editor, AnswerColorDialog, &visit, 20);
#if CHECK_STDCALL
    if (checkStdcall) {
        const DWORD args[1] = {reinterpret_cast<DWORD>(editor)};
        int left = StackLeftByCall(reinterpret_cast<void*>(OnCommand), args, 1);
        ok(left == 0, "OnCommand: expected __stdcall to remove its 4 bytes of arguments, %d left\n", left);
    } else {
        OnCommand(editor);
    }
#else
    (void)checkStdcall;
    OnCommand(editor);
#endif
    StopDialogWatch();

    CheckNoUnexpectedWindow(c.name);
    if (!ok(visit.seen, "%s: no colour dialog owned by the editor window appeared\n", c.name))
        return;
    ok(visit.read && visit.preset == c.preset, "%s: dialog opened on (%u, %u, %u), expected (%u, %u, %u)\n", c.name,
       GetRValue(visit.preset), GetGValue(visit.preset), GetBValue(visit.preset), GetRValue(c.preset),
       GetGValue(c.preset), GetBValue(c.preset));
    ok(visit.fullOpen, "%s: the dialog did not open with its custom-colour part\n", c.name);
    ok(visit.answeredRight, "%s: the dialog could not be answered as planned\n", c.name);

    // Exactly one get-selection before the dialog, of an 8-byte buffer, then at most one insert-text.
    ok(visit.messagesBefore == 1 && LogCount != 0 && Log[0].msg == MSG_GET_SELECTION && Log[0].wParam == 8,
       "%s: expected one get-selection message with wParam 8 before the dialog, got %u messages (first 0x%X, "
       "wParam %llu)\n",
       c.name, static_cast<unsigned>(visit.messagesBefore), LogCount == 0 ? 0 : Log[0].msg,
       AsUnsigned(LogCount == 0 ? 0 : Log[0].wParam));
    size_t inserts = 0;
    for (size_t i = 0; i < LogCount && i < MOST_LOGGED; i++) {
        if (Log[i].msg == MSG_INSERT_TEXT)
            inserts++;
    }
    if (!c.inserted) {
        ok(LogCount == 1, "%s: expected nothing entered, got %u messages\n", c.name,
           static_cast<unsigned>(LogCount));
        return;
    }
    if (!ok(LogCount == 2 && inserts == 1, "%s: expected one insert-text after the dialog, got %u messages\n", c.name,
            static_cast<unsigned>(LogCount)))
        return;
    const Received& insert = Log[1];
    ok(insert.msg == MSG_INSERT_TEXT && insert.wParam == 0 && insert.terminated && strcmp(insert.text, c.inserted) == 0,
       "%s: expected \"%s\" entered with wParam 0, got message 0x%X, wParam %llu, text \"%s\"%s\n", c.name, c.inserted,
       insert.msg, AsUnsigned(insert.wParam), insert.text, insert.terminated ? "" : " without a NUL in 8 bytes");
}

void TestOnCommand()
{
    HWND editor = CreateEditorWindow();
    const COLORREF code = RGB(18, 52, 86);
    const CommandCase cases[] = {
        {"first run, nothing selected, cancelled", "", RGB(0, 0, 0), false, 0, IDCANCEL, nullptr},
        {"'navy' confirmed", "navy", RGB(0, 0, 128), false, 0, IDOK, "navy"},
        {"'#00ff00' confirmed", "#00ff00", RGB(0, 255, 0), false, 0, IDOK, "lime"},
        {"'hello', 18/52/86 chosen", "hello", RGB(0, 0, 0), true, code, IDOK, "#123456"},
        {"nothing selected, red chosen", "", code, true, RGB(255, 0, 0), IDOK, "red"},
        {"nothing selected after red, cancelled", "", code, true, RGB(1, 2, 3), IDCANCEL, nullptr},
        {"a selection longer than the buffer", "#ABCDEF and more", RGB(0xAB, 0xCD, 0xEF), false, 0, IDOK, "#ABCDEF"},
    };
    bool first = true;
    for (const CommandCase& c : cases) {
        RunCommand(editor, c, first);
        first = false;
    }
    DestroyWindow(editor);
}

// ---- Running ----

struct AreaEntry {
    const char* name;
    void (*run)();
    bool onlyByName = false; // for another locale than the others': not among "every area"
};

const AreaEntry AREAS[] = {
    {"exports", TestExports},   {"resources", TestResources},   {"plugin_proc", TestPlugInProc},
    {"uninstall", TestUninstall}, {"on_events", TestOnEvents}, {"on_command", TestOnCommand},
    {"version", TestVersion},   {"english", TestEnglish, true}, {"uninstall_cp1252", TestUninstall, true},
};

bool LoadPlugin(const char* path)
{
    Plugin plugin;
    wchar_t error[PLUGIN_ERROR_SIZE] = L"";
    wchar_t widePath[MAX_PATH] = L"";
    MultiByteToWideChar(CP_ACP, 0, path, -1, widePath, MAX_PATH);
    if (!ok(LoadPlugin(widePath, &plugin, error, PLUGIN_ERROR_SIZE), "%ls\n", error))
        return false;
    Module = plugin.module;
    memcpy(ModulePath, widePath, sizeof ModulePath);
    OnCommand = plugin.onCommand;
    QueryStatus = plugin.queryStatus;
    OnEvents = plugin.onEvents;
    GetMenuTextID = plugin.getMenuTextId;
    GetStatusMessageID = plugin.getStatusMessageId;
    GetBitmapID = plugin.getBitmapId;
    PlugInProc = plugin.plugInProc;
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        printf("usage: huebird_dll_test PATH\\Huebird.dll [area...]\n");
        return 2;
    }
    if (!LoadPlugin(argv[1]))
        return 1;
    int ran = 0;
    for (const AreaEntry& area : AREAS) {
        bool wanted = argc == 2 && !area.onlyByName;
        for (int i = 2; i < argc; i++)
            wanted = wanted || strcmp(argv[i], area.name) == 0;
        if (!wanted)
            continue;
        Area = area.name;
        int failuresBefore = Failures;
        area.run();
        printf("%s: %s\n", area.name, Failures == failuresBefore ? "ok" : "FAILED");
        ran++;
    }
    if (ran == 0 || ran < argc - 2) {
        printf("unknown area; areas are:");
        for (const AreaEntry& area : AREAS)
            printf(" %s", area.name);
        printf("\n");
        return 2;
    }
    printf("huebird_dll_test: %d tests executed, %d failures\n", Checks, Failures);
    FreeLibrary(Module);
    return Failures ? 1 : 0;
}
