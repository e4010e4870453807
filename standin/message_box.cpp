// Stand-in for MessageBoxW: records each box and answers as the test or stand-in editor has set.
#include "standin/standin.h"

// The answer that MessageBoxW gives; 0 makes it fail.
static int MessageBoxAnswer;

// The calls since the last reset, and what the last one was asked to show.
static StandinMessageBox LastMessageBox;

void StandinSetMessageBoxAnswer(int answer)
{
    MessageBoxAnswer = answer;
}

const StandinMessageBox* StandinLastMessageBox()
{
    return &LastMessageBox;
}

void StandinResetMessageBox()
{
    MessageBoxAnswer = 0;
    LastMessageBox = StandinMessageBox();
}

// Copies at most 255 units of text (none for null) and a NUL into kept.
static void Keep(WCHAR (&kept)[256], LPCWSTR text)
{
    int length = 0;
    for (; text && text[length] != L'\0' && length < 255; length++)
        kept[length] = text[length];
    kept[length] = L'\0';
}

int WINAPI MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type)
{
    LastMessageBox.count++;
    LastMessageBox.owner = owner;
    Keep(LastMessageBox.text, text);
    Keep(LastMessageBox.caption, caption);
    LastMessageBox.style = type;
    return MessageBoxAnswer;
}
