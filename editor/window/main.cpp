// huebird-window: a stand-in editor window that loads a plug-in DLL as the editor does, for hand or script.
#include "editor_window.h"
#include "plugin.h"
#include "script.h"
#include "text.h"

#include <vector>

// Huebird.dll in the program's folder.
static std::wstring DefaultPlugin()
{
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    size_t slash = folder.find_last_of(L"\\/");
    folder = slash == std::wstring::npos ? std::wstring() : folder.substr(0, slash + 1);
    return folder + L"Huebird.dll";
}

int wmain(int argc, wchar_t** argv)
{
    std::vector<std::wstring> arguments(argv + 1, argv + argc);
    Script script;
    std::wstring error;
    if (!ParseScript(arguments, &script, &error)) {
        Complain(error);
        return 2;
    }
    if (script.help) {
        std::wstring usage = SCRIPT_USAGE;
        Say(usage.substr(0, usage.size() - 1));
        return 0;
    }

    Plugin plugin;
    if (!LoadPlugin(script.plugin.empty() ? DefaultPlugin() : script.plugin, &plugin, &error)) {
        Complain(error);
        return 1;
    }
    if (!StartEditors(GetModuleHandleW(nullptr))) {
        Complain(L"cannot register the window class");
        return 1;
    }
    SetPlugin(plugin);
    size_t slash = plugin.path.find_last_of(L"\\/");
    Say(L"start with the plug-in " + (slash == std::wstring::npos ? plugin.path : plugin.path.substr(slash + 1)));
    if (!OpenEditor()) {
        Complain(L"cannot open a window");
        return 1;
    }
    PumpMessages(100);

    bool ok = PlayScript(script);
    if (script.stay || script.steps.empty()) {
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    CloseEditors();
    return ok ? 0 : 1;
}
