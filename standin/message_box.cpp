// Stand-in for MessageBoxA: records each box and answers as the test or stand-in editor has set.
#include "standin/standin.h"

// The answer that MessageBoxA gives; 0 makes it fail.
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

int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type)
{
    LastMessageBox.count++;
    LastMessageBox.owner = owner;
    lstrcpynA(LastMessageBox.text, text ? text : "", sizeof LastMessageBox.text);
    lstrcpynA(LastMessageBox.caption, caption ? caption : "", sizeof LastMessageBox.caption);
    LastMessageBox.style = type;
    return MessageBoxAnswer;
}
