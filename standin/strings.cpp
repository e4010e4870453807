// Stand-in modules and their string tables, LoadStringA, and the kernel's ANSI string calls.
#include "standin/standin.h"

#include "resources/resource_ids.h"
#include "resources/strings.h"

struct StandinModule {
    const StandinString* strings; // null for a free slot
    int count;
};

// The plug-in's string table, from the same texts as the resource script.
static const StandinString PluginStrings[] = {
    {IDS_MENU_TEXT, STRING_MENU_TEXT},
    {IDS_STATUS_MESSAGE, STRING_STATUS_MESSAGE},
    {IDS_CONFIRM_UNINSTALL, STRING_CONFIRM_UNINSTALL},
    {IDS_PLUGIN_NAME, STRING_PLUGIN_NAME},
    {IDS_VERSION, STRING_VERSION},
};

// The plug-in's own module; a handle is the address of its record.
static StandinModule PluginModule = {PluginStrings, sizeof PluginStrings / sizeof PluginStrings[0]};

// Most modules a test may create at once.
static const int MAX_MODULES = 8;

// Modules that tests create, each with its own string table.
static StandinModule Modules[MAX_MODULES];

// What a failed LoadStringA leaves in the buffer: not text, and no NUL.
static const char NOTHING_USEFUL = '\x7F';

static const StandinModule* ModuleFromHandle(HINSTANCE instance)
{
    if (instance == reinterpret_cast<HINSTANCE>(&PluginModule))
        return &PluginModule;
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

int WINAPI LoadStringA(HINSTANCE instance, UINT id, LPSTR buffer, int bufferMax)
{
    if (!buffer || bufferMax <= 0)
        return 0;
    if (const StandinModule* module = ModuleFromHandle(instance)) {
        for (int i = 0; i < module->count; i++) {
            if (module->strings[i].id == id) {
                lstrcpynA(buffer, module->strings[i].text, bufferMax);
                return lstrlenA(buffer);
            }
        }
    }
    for (int i = 0; i < bufferMax; i++)
        buffer[i] = NOTHING_USEFUL;
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
