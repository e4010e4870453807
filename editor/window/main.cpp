// huebird-window: a stand-in editor window that loads a plug-in DLL as the editor does, for hand or script.
#include "frame.h"
#include "script.h"
#include "text.h"
#include "transcript.h"

#include <objbase.h>

#include <vector>

namespace {

// What the window's usage says around its options.
const char USAGE_HEAD[] =
    "Usage: huebird-window [OPTION]... [STEP]...\n"
    "\n"
    "A stand-in editor window for Windows that loads a plug-in DLL as the editor does and presents it: its\n"
    "menu item, toolbar picture, status text and tooltip, About and Uninstall. With no steps it stays open\n"
    "for the user (not on the runner's virtual display, where it exits 2); with steps it plays them,\n"
    "printing what the editor saw and did, and closes.\n"
    "\n";
const char USAGE_TAIL[] =
    "  -h, --help          show this help\n"
    "\n"
    "A COLOR is #RRGGBB, red, green and blue from 0 to 255 as R,G,B, or one of the sixteen colour names.\n"
    "A value that starts with -- is given as --OPTION=VALUE.\n"
    "\n"
    "Example: huebird-window --text '#00ff00' --confirm --select lime --custom 3=#FF8000 --choose red\n"
    "\n"
    "Exit status: 0 when every step went as asked, 1 when one failed, 2 for bad arguments.";

// Huebird.dll in the program's folder.
std::wstring DefaultPlugin()
{
    wchar_t path[MAX_PATH];
    std::wstring program(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
    return program.substr(0, program.find_last_of(L"\\/") + 1) + L"Huebird.dll"; // npos + 1: no folder
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
    // The shared command line is read in UTF-8.
    std::vector<std::string> words;
    for (int i = 0; i < argc; i++)
        words.push_back(ToUtf8(argv[i]));
    std::vector<const char*> narrow;
    for (const std::string& word : words)
        narrow.push_back(word.c_str());
    EditorArguments script;
    std::string why = ParseEditorArguments(PROGRAM_WINDOW, argc, narrow.data(), &script);
    if (!why.empty()) {
        Complain(FromUtf8(why));
        return 2;
    }
    if (script.help) {
        Say(FromUtf8(USAGE_HEAD + OptionsUsage(PROGRAM_WINDOW) + "\n" + USAGE_TAIL));
        return 0;
    }
    std::wstring shots = FromUtf8(script.shots), error;
    bool stay = script.stay || script.steps.empty();
    if (stay && DisplayIsVirtual()) {
        if (script.steps.empty()) {
            Complain(L"nothing to do: no steps were given, and the display is a virtual one that no one sees");
            return 2;
        }
        Complain(L"--stay ignored: the display is a virtual one that no one sees");
        stay = false;
    }
    if (!shots.empty() && !MakeShotsFolder(shots, &error)) {
        Complain(error);
        return 2;
    }

    Plugin plugin;
    wchar_t loadError[PLUGIN_ERROR_SIZE];
    if (!LoadPlugin((script.plugin.empty() ? DefaultPlugin() : FromUtf8(script.plugin)).c_str(), &plugin, loadError,
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
    HostPlugin(plugin);
    std::wstring path = plugin.path;
    Say(L"start with the plug-in " + path.substr(path.find_last_of(L"\\/") + 1));
    if (!OpenEditor()) {
        Complain(L"cannot open a window");
        return 1;
    }
    PumpMessages(100);

    bool ok = PlayScript(script, shots);
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
