// huebird-window: a stand-in editor window that loads a plug-in DLL as the editor does, for hand or script.
#include "editor_window.h"
#include "plugin_answers.h"
#include "script.h"
#include "text.h"
#include "transcript.h"

#include <objbase.h>

#include <vector>

namespace {

// Huebird.dll in the program's folder.
std::wstring DefaultPlugin()
{
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    size_t slash = folder.find_last_of(L"\\/");
    folder = slash == std::wstring::npos ? std::wstring() : folder.substr(0, slash + 1);
    return folder + L"Huebird.dll";
}

// The runner sets this when it made a virtual display, which no one looks at.
bool DisplayIsVirtual()
{
    return GetEnvironmentVariableW(L"HUEBIRD_VIRTUAL_DISPLAY", nullptr, 0) > 0;
}

// The screenshots' folder, made if missing (its parent must exist). False, with the reason, if it cannot be.
bool MakeShotsFolder(const std::wstring& folder, std::wstring* error)
{
    if (CreateDirectoryW(folder.c_str(), nullptr))
        return true;
    DWORD code = GetLastError();
    DWORD attributes = GetFileAttributesW(folder.c_str());
    if (code == ERROR_ALREADY_EXISTS && attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return true;
    *error = code == ERROR_ALREADY_EXISTS ? L"--shots " + folder + L" is a file, not a folder"
             : code == ERROR_PATH_NOT_FOUND
                 ? L"--shots " + folder + L" cannot be made: the folder that would hold it does not exist"
                 : Format(L"--shots %ls cannot be made (error %lu)", folder.c_str(), code);
    return false;
}

} // namespace

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
    bool stay = script.stay || script.steps.empty();
    if (stay && DisplayIsVirtual()) {
        if (script.steps.empty()) {
            Complain(L"nothing to do: no steps were given, and the display is a virtual one that no one sees");
            return 2;
        }
        Complain(L"--stay ignored: the display is a virtual one that no one sees");
        stay = false;
    }
    if (!script.shots.empty() && !MakeShotsFolder(script.shots, &error)) {
        Complain(error);
        return 2;
    }

    Plugin plugin;
    wchar_t loadError[PLUGIN_ERROR_SIZE];
    if (!LoadPlugin((script.plugin.empty() ? DefaultPlugin() : script.plugin).c_str(), &plugin, loadError,
                    PLUGIN_ERROR_SIZE)) {
        Complain(loadError);
        return 1;
    }
    // The screenshots' encoder is a COM object; the dialogs need a single-threaded apartment.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (!StartEditors(GetModuleHandleW(nullptr))) {
        Complain(L"cannot register the window class");
        return 1;
    }
    SetPlugin(plugin);
    std::wstring path = plugin.path;
    size_t slash = path.find_last_of(L"\\/");
    Say(L"start with the plug-in " + (slash == std::wstring::npos ? path : path.substr(slash + 1)));
    if (!OpenEditor()) {
        Complain(L"cannot open a window");
        return 1;
    }
    PumpMessages(100);

    bool ok = PlayScript(script);
    if (stay) {
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    Say(L"end");
    CloseEditors();
    FreePlugin();
    CoUninitialize();
    return ok ? 0 : 1;
}
