// A test-only DLL whose one function overruns its own buffer: built with the plug-in's defences and without.
#include "host/win32.h"

extern "C" {
// Copies count bytes into a buffer of 8, so more than 8 overrun it, and returns its first byte. Through a
// volatile pointer, so that no compiler turns the copy into a call or sees the overrun at build time.
__declspec(dllexport) int Overrun(const char* bytes, int count)
{
    char buffer[8];
    volatile char* target = buffer;
    for (int i = 0; i < count; i++)
        target[i] = bytes[i];
    return target[0];
}

// The entry that the protected build's LibraryEntry calls, and the unprotected build's entry itself.
BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID)
{
    return TRUE;
}
}
