// Stand-in modules and their string tables, LoadStringA and LoadStringW, and the kernel's ANSI string calls.
#include "standin/standin.h"

#include "resources/resource_ids.h"
#include "resources/strings.h"

#include <errno.h>
#include <iconv.h>
#include <string.h>

#include <vector>

struct StandinModule {
    const StandinString* strings; // null for a free slot
    int count;
};

// The plug-in's string tables, from the same texts as the resource script: Japanese and English.
static const StandinString JapaneseStrings[] = {
    {IDS_MENU_TEXT, STRING_MENU_TEXT_JAPANESE},
    {IDS_STATUS_MESSAGE, STRING_STATUS_MESSAGE_JAPANESE},
    {IDS_CONFIRM_UNINSTALL, STRING_CONFIRM_UNINSTALL_JAPANESE},
    {IDS_PLUGIN_NAME, STRING_PLUGIN_NAME},
    {IDS_VERSION, STRING_VERSION},
};
static const StandinString EnglishStrings[] = {
    {IDS_MENU_TEXT, STRING_MENU_TEXT_ENGLISH},
    {IDS_STATUS_MESSAGE, STRING_STATUS_MESSAGE_ENGLISH},
    {IDS_CONFIRM_UNINSTALL, STRING_CONFIRM_UNINSTALL_ENGLISH},
    {IDS_PLUGIN_NAME, STRING_PLUGIN_NAME},
    {IDS_VERSION, STRING_VERSION},
};
static const StandinModule PluginJapanese = {JapaneseStrings, sizeof JapaneseStrings / sizeof JapaneseStrings[0]};
static const StandinModule PluginEnglish = {EnglishStrings, sizeof EnglishStrings / sizeof EnglishStrings[0]};

// The plug-in's own module; its handle is the address of this marker.
static char PluginModule;

// The user-interface language by which the plug-in's table is picked.
static WORD UiLanguage = STANDIN_JAPANESE;

// Most modules a test may create at once.
static const int MAX_MODULES = 8;

// Modules that tests create, each with its own string table.
static StandinModule Modules[MAX_MODULES];

// What a failed LoadStringA leaves in the buffer: not text, and no NUL.
static const char NOTHING_USEFUL = '\x7F';

static const StandinModule* ModuleFromHandle(HINSTANCE instance)
{
    // As Windows picks: the table of the user-interface language's primary language where the module has
    // one, else English.
    if (instance == reinterpret_cast<HINSTANCE>(&PluginModule))
        return (UiLanguage & 0x3FF) == (STANDIN_JAPANESE & 0x3FF) ? &PluginJapanese : &PluginEnglish;
    for (const StandinModule& module : Modules) {
        if (instance == reinterpret_cast<HINSTANCE>(const_cast<StandinModule*>(&module)) && module.strings)
            return &module;
    }
    return nullptr;
}

HINSTANCE StandinPluginModule()
{
    return reinterpret_cast<HINSTANCE>(&PluginModule);
}

void StandinSetUiLanguage(WORD language)
{
    UiLanguage = language;
}

HINSTANCE StandinCreateModule(const StandinString* strings, int count)
{
    for (StandinModule& module : Modules) {
        if (!module.strings) {
            module.strings = strings;
            module.count = count;
            return reinterpret_cast<HINSTANCE>(&module);
        }
    }
    return nullptr;
}

void StandinDestroyModule(HINSTANCE instance)
{
    for (StandinModule& module : Modules) {
        if (instance == reinterpret_cast<HINSTANCE>(&module))
            module = StandinModule();
    }
}

// The module's string id, or null.
static LPCSTR FindString(HINSTANCE instance, UINT id)
{
    if (const StandinModule* module = ModuleFromHandle(instance)) {
        for (int i = 0; i < module->count; i++) {
            if (module->strings[i].id == id)
                return module->strings[i].text;
        }
    }
    return nullptr;
}

int WINAPI LoadStringA(HINSTANCE instance, UINT id, LPSTR buffer, int bufferMax)
{
    if (!buffer || bufferMax <= 0)
        return 0;
    if (LPCSTR text = FindString(instance, id)) {
        lstrcpynA(buffer, text, bufferMax);
        return lstrlenA(buffer);
    }
    for (int i = 0; i < bufferMax; i++)
        buffer[i] = NOTHING_USEFUL;
    return 0;
}

// The UTF-16 units of text (UTF-8), at most `most` of them: the C library's converter stops where the
// room ends, which cuts the text there. -1 if the text cannot be converted.
static int Utf16Units(LPCSTR text, char16_t* units, int most)
{
#if __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    iconv_t converter = iconv_open("UTF-16BE", "UTF-8");
#else
    iconv_t converter = iconv_open("UTF-16LE", "UTF-8");
#endif
    if (converter == reinterpret_cast<iconv_t>(-1))
        return -1;
    char* in = const_cast<char*>(text);
    size_t inLeft = strlen(text);
    char* out = reinterpret_cast<char*>(units);
    size_t outLeft = static_cast<size_t>(most) * sizeof(char16_t);
    // Full room (E2BIG) is the cut; any other stop is text that is not UTF-8.
    bool converted = iconv(converter, &in, &inLeft, &out, &outLeft) != static_cast<size_t>(-1) || errno == E2BIG;
    iconv_close(converter);
    return converted ? most - static_cast<int>(outLeft / sizeof(char16_t)) : -1;
}

int WINAPI LoadStringW(HINSTANCE instance, UINT id, LPWSTR buffer, int bufferMax)
{
    if (!buffer || bufferMax <= 0)
        return 0;
    if (LPCSTR text = FindString(instance, id)) {
        std::vector<char16_t> units(static_cast<size_t>(bufferMax));
        int count = Utf16Units(text, units.data(), bufferMax - 1);
        if (count >= 0) {
            for (int i = 0; i < count; i++)
                buffer[i] = units[static_cast<size_t>(i)];
            buffer[count] = L'\0';
            return count;
        }
    }
    for (int i = 0; i < bufferMax; i++)
        buffer[i] = static_cast<WCHAR>(NOTHING_USEFUL);
    return 0;
}

int WINAPI lstrlenA(LPCSTR text)
{
    if (!text)
        return 0;
    int length = 0;
    while (text[length] != '\0')
        length++;
    return length;
}

LPSTR WINAPI lstrcpynA(LPSTR dest, LPCSTR source, int count)
{
    // As on Windows, the count is taken as unsigned: a negative count does not stop the copy.
    unsigned int left = static_cast<unsigned int>(count);
    LPSTR out = dest;
    while (left > 1 && *source != '\0') {
        *out++ = *source++;
        left--;
    }
    if (left != 0)
        *out = '\0';
    return dest;
}
