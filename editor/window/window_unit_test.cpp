// Tests of huebird-window's parts that need no window but Windows' code pages: the command line and the
// ANSI hand-over. Usage: window_unit_test arguments|ansi.
#include "arguments.h"
#include "editor_window.h"
#include "text.h"
#include "transcript.h"

#include <string>
#include <vector>

namespace {

int Failures = 0; // checks that failed in this run

void Fail(const std::wstring& message)
{
    Failures++;
    Say(L"FAILED: " + message);
}

// Reads a command line given as one string, arguments split at '|', so that a table shows them whole.
std::vector<std::wstring> Split(const std::wstring& line)
{
    std::vector<std::wstring> arguments;
    if (line.empty())
        return arguments;
    size_t start = 0;
    for (;;) {
        size_t bar = line.find(L'|', start);
        arguments.push_back(line.substr(start, bar == std::wstring::npos ? bar : bar - start));
        if (bar == std::wstring::npos)
            return arguments;
        start = bar + 1;
    }
}

std::wstring ViewName(int command)
{
    switch (command) {
    case ID_VIEW_SMALL: return L"small";
    case ID_VIEW_LARGE: return L"large";
    case ID_VIEW_16_COLORS: return L"16";
    case ID_VIEW_256_COLORS: return L"256";
    case ID_VIEW_TRUE_COLOR: return L"true";
    }
    return L"?";
}

std::wstring Hex(COLORREF color)
{
    return Format(L"#%02X%02X%02X", GetRValue(color), GetGValue(color), GetBValue(color));
}

// A parsed script in one line: options, then each step with what was set for it.
std::wstring Describe(const Script& script)
{
    std::wstring text;
    if (!script.plugin.empty())
        text += L"plugin=" + script.plugin + L" ";
    if (!script.shots.empty())
        text += L"shots=" + script.shots + L" ";
    if (script.stay)
        text += L"stay ";
    if (script.help)
        text += L"help ";
    for (const ScriptStep& step : script.steps) {
        text += Format(L"| w%d ", step.window);
        for (int command : step.view)
            text += L"view=" + ViewName(command) + L" ";
        for (const ScriptAction& action : step.actions) {
            text += action.kind == ScriptAction::TYPE       ? L"type=" + Quoted(action.text) + L" "
                    : action.kind == ScriptAction::SAVE     ? std::wstring(L"save ")
                    : action.kind == ScriptAction::OVERWRITE_ON ? std::wstring(L"overwrite=on ")
                                                                : std::wstring(L"overwrite=off ");
        }
        if (step.kind == ScriptStep::PRESENT) {
            text += L"present ";
            continue;
        }
        if (step.kind == ScriptStep::UNINSTALL) {
            text += step.agree ? L"uninstall=yes " : L"uninstall=no ";
            continue;
        }
        const ScriptRun& run = step.run;
        if (run.setText)
            text += L"text=" + Quoted(run.text) + L" ";
        if (run.setSelection)
            text += L"select=" + Quoted(run.selection) + L" ";
        if (!run.textFile.empty())
            text += L"text-file=" + run.textFile + L" ";
        if (run.setLimit)
            text += Format(L"limit=%u ", run.limit);
        for (const CustomColorSetting& custom : run.customColors)
            text += Format(L"custom%d=", custom.slot + 1) + Hex(custom.color) + L" ";
        text += run.answer == ScriptRun::CONFIRM  ? std::wstring(L"confirm ")
                : run.answer == ScriptRun::CANCEL ? std::wstring(L"cancel ")
                                                  : L"choose=" + Hex(run.color) + L" ";
    }
    if (!text.empty())
        text.pop_back();
    return text;
}

// The shared parser's own cases are tested natively; these check what the window makes of its result:
// wide text through UTF-8 and back, steps, views and slots in the window's terms.
void TestArguments()
{
    static const struct {
        const wchar_t* arguments;
        const wchar_t* script;
    } ACCEPTED[] = {
        {L"", L""},
        {L"--stay|--plugin|C:\\プラグイン\\x.dll|--shots|out", L"plugin=C:\\プラグイン\\x.dll shots=out stay"},
        {L"--text|色は#00ff00|--select|色|--cancel", L"| w1 text=\"色は#00ff00\" select=\"色\" cancel"},
        {L"--select||--choose|18, 52, 86 ", L"| w1 select=\"\" choose=#123456"},
        {L"--custom|3=255,128,0|--custom|16=Navy|--choose|red", L"| w1 custom3=#FF8000 custom16=#000080 choose=#FF0000"},
        {L"--window|4|--view|large|--view|true|--present", L"| w4 view=large view=true present"},
        {L"--view|small|--view|16|--view|256|--confirm", L"| w1 view=small view=16 view=256 confirm"},
        {L"--uninstall|no|--window|3|--uninstall|yes", L"| w1 uninstall=no | w3 uninstall=yes"},
        {L"--text=--confirm|--confirm", L"| w1 text=\"--confirm\" confirm"},
        {L"-h", L"help"},
        {L"--type|ab|--save|--overwrite|on|--type|c|--cancel", L"| w1 type=\"ab\" save overwrite=on type=\"c\" cancel"},
        {L"--overwrite|off|--present", L"| w1 overwrite=off present"},
        {L"--text-file|長い.txt|--limit|100000|--confirm", L"| w1 text-file=長い.txt limit=100000 confirm"},
    };
    for (const auto& accepted : ACCEPTED) {
        Script script;
        std::wstring error;
        if (!ParseScript(Split(accepted.arguments), &script, &error)) {
            Fail(Format(L"%ls: expected %ls, got the error %ls", Quoted(accepted.arguments).c_str(),
                        Quoted(accepted.script).c_str(), error.c_str()));
        } else if (Describe(script) != accepted.script) {
            Fail(Format(L"%ls: expected %ls, got %ls", Quoted(accepted.arguments).c_str(),
                        Quoted(accepted.script).c_str(), Quoted(Describe(script)).c_str()));
        }
    }

    static const struct {
        const wchar_t* arguments;
        const wchar_t* error;
    } REJECTED[] = {
        {L"--select|--confirm", L"--select needs a text (write --select=--confirm for a value that starts with --)"},
        {L"--choose|赤", L"--choose: \"赤\" is no colour; give #RRGGBB, R,G,B or one of black, silver, gray, white, "
                         L"maroon, red, purple, fuchsia, green, lime, olive, yellow, navy, blue, teal, aqua"},
        {L"--custom|17=red|--confirm", L"--custom: slot 17 is outside 1-16"},
        {L"--window|2", L"the last run has no answer: end it with --confirm, --choose or --cancel"},
    };
    for (const auto& rejected : REJECTED) {
        Script script;
        std::wstring error;
        if (ParseScript(Split(rejected.arguments), &script, &error)) {
            Fail(Format(L"%ls: expected the error %ls, got %ls", Quoted(rejected.arguments).c_str(),
                        Quoted(rejected.error).c_str(), Quoted(Describe(script)).c_str()));
        } else if (error != rejected.error) {
            Fail(Format(L"%ls: expected the error %ls, got %ls", Quoted(rejected.arguments).c_str(),
                        Quoted(rejected.error).c_str(), Quoted(error).c_str()));
        }
    }
}

// Bytes as \xNN, for messages about ANSI text.
std::wstring Bytes(const std::string& bytes)
{
    std::wstring text;
    for (unsigned char byte : bytes)
        text += Format(L"\\x%02X", byte);
    return text;
}

void TestAnsi()
{
    if (GetACP() != 932) {
        Fail(Format(L"expected the ANSI code page 932, got %u", GetACP()));
        return;
    }
    // 色 is 0x90 0x46 in code page 932.
    if (ToAnsi(L"#色") != "#\x90\x46" || FromAnsi("#\x90\x46") != L"#色")
        Fail(L"expected #色 and #\\x90\\x46 to convert into each other, got " + Bytes(ToAnsi(L"#色")) + L" and " +
             FromAnsi("#\x90\x46"));

    // What MSG_GET_SELECTION hands over: whole characters only.
    static const struct {
        const wchar_t* selection;
        size_t capacity;
        size_t bytes;
    } CASES[] = {
        {L"", 8, 0},           {L"lime", 8, 4},       {L"#00ff00", 8, 7},      {L"fuchsias", 8, 8},
        {L"#00ff00ff", 8, 8},  {L"色は#00ff00", 8, 8}, {L"abcdefg色", 8, 7},   {L"abcdef色", 8, 8},
        {L"色", 1, 0},          {L"色", 2, 2},          {L"lime", 0, 0},        {L"ｱｲｳｴｵｶｷｸｹ", 8, 8},
    };
    for (const auto& each : CASES) {
        size_t bytes = WholeCharacterBytes(ToAnsi(each.selection), each.capacity);
        if (bytes != each.bytes)
            Fail(Format(L"%ls into %u bytes: expected %u bytes handed over, got %u", Quoted(each.selection).c_str(),
                        static_cast<unsigned>(each.capacity), static_cast<unsigned>(each.bytes),
                        static_cast<unsigned>(bytes)));
    }
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    std::wstring group = argc == 2 ? argv[1] : L"";
    if (group == L"arguments")
        TestArguments();
    else if (group == L"ansi")
        TestAnsi();
    else {
        Complain(L"usage: window_unit_test arguments|ansi");
        return 2;
    }
    return Failures == 0 ? 0 : 1;
}
