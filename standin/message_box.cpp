// Stand-in for MessageBoxA: records each box and answers as the test or stand-in editor has set.
#include "standin/standin.h"

// The answer that MessageBoxA gives; 0 makes it fail.
static int MessageBoxAnswer;

// The calls since the last reset, and what the last one was asked to show.
static StandinMessageBox LastMessageBox;

static void CopyCut(char* dest, int size, LPCSTR source)
{
    int i = 0;
    for (; source && i < size - 1 && source[i] != '\0'; i++)
        dest[i] = source[i];
    dest[i] = '\0';
}

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
    CopyCut(LastMessageBox.text, sizeof LastMessageBox.text, text);
    CopyCut(LastMessageBox.caption, sizeof LastMessageBox.caption, caption);
    LastMessageBox.style = type;
    return MessageBoxAnswer;
}
