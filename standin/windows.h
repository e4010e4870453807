// Stand-in for the few Windows types, constants and calls that the plug-in uses, for builds off Windows.
#pragma once

#include <stddef.h>
#include <stdint.h>

// Windows' sizes: 32-bit BOOL, UINT and DWORD; WPARAM, LPARAM and LRESULT as wide as a pointer.
typedef int BOOL;
typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef unsigned int UINT;
typedef uint32_t DWORD;
typedef DWORD COLORREF;
typedef BOOL* LPBOOL;
typedef uintptr_t UINT_PTR;
typedef intptr_t LONG_PTR;
typedef UINT_PTR WPARAM;
typedef LONG_PTR LPARAM;
typedef LONG_PTR LRESULT;
typedef char CHAR;
typedef char* LPSTR;
typedef const char* LPCSTR;
// One UTF-16 unit each, as on Windows, though wchar_t is wider here: L"..." literals build alike.
typedef wchar_t WCHAR;
typedef WCHAR* LPWSTR;
typedef const WCHAR* LPCWSTR;
typedef void* LPVOID;

// Distinct handle types, as Windows declares them with STRICT.
typedef struct HWND__* HWND;
typedef struct HINSTANCE__* HINSTANCE;

#define WINAPI
#define CALLBACK
#define TRUE 1
#define FALSE 0

#define WM_USER 0x0400

// Reasons for which the system calls a library's entry function.
#define DLL_PROCESS_DETACH 0
#define DLL_PROCESS_ATTACH 1
#define DLL_THREAD_ATTACH 2
#define DLL_THREAD_DETACH 3

// Message-box styles and answers.
#define MB_OK 0x00000000
#define MB_YESNO 0x00000004
#define MB_ICONQUESTION 0x00000020
#define IDOK 1
#define IDCANCEL 2
#define IDYES 6
#define IDNO 7

#define RGB(r, g, b) \
    (static_cast<COLORREF>(static_cast<BYTE>(r) | (static_cast<WORD>(static_cast<BYTE>(g)) << 8) | \
                           (static_cast<DWORD>(static_cast<BYTE>(b)) << 16)))
#define GetRValue(rgb) (static_cast<BYTE>(rgb))
#define GetGValue(rgb) (static_cast<BYTE>(static_cast<WORD>(rgb) >> 8))
#define GetBValue(rgb) (static_cast<BYTE>((rgb) >> 16))

typedef LRESULT(CALLBACK* WNDPROC)(HWND, UINT, WPARAM, LPARAM);
typedef UINT_PTR(CALLBACK* LPCCHOOKPROC)(HWND, UINT, WPARAM, LPARAM);

// The colour dialog's record, fields in Windows' order. hInstance is an HWND there too.
typedef struct tagCHOOSECOLORA {
    DWORD lStructSize;
    HWND hwndOwner;
    HWND hInstance;
    COLORREF rgbResult;
    COLORREF* lpCustColors;
    DWORD Flags;
    LPARAM lCustData;
    LPCCHOOKPROC lpfnHook;
    LPCSTR lpTemplateName;
} CHOOSECOLORA, *LPCHOOSECOLORA;

#define CC_RGBINIT 0x00000001
#define CC_FULLOPEN 0x00000002
#define CC_PREVENTFULLOPEN 0x00000004
#define CC_SHOWHELP 0x00000008
#define CC_ENABLEHOOK 0x00000010
#define CC_ENABLETEMPLATE 0x00000020
#define CC_ENABLETEMPLATEHANDLE 0x00000040
#define CC_SOLIDCOLOR 0x00000080
#define CC_ANYCOLOR 0x00000100

LRESULT WINAPI SendMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
BOOL WINAPI ChooseColorA(LPCHOOSECOLORA record);

// The stand-in's ANSI code page is UTF-8: text is handed over as stored, one byte per character count.
// LoadStringA copies at most bufferMax - 1 bytes and a NUL and returns the bytes copied; for a module or
// string it does not know it returns 0, and the buffer then holds nothing useful: the stand-in fills it
// with non-NUL bytes and no NUL, so a caller that ignores the result reads garbage and fails its tests.
int WINAPI LoadStringA(HINSTANCE instance, UINT id, LPSTR buffer, int bufferMax);
// The same in UTF-16 units: at most bufferMax - 1 of them and a NUL, the count copied returned; a failure
// leaves the buffer as LoadStringA does. A bufferMax of 0, which on Windows asks for the resource's own
// address, fails here.
int WINAPI LoadStringW(HINSTANCE instance, UINT id, LPWSTR buffer, int bufferMax);
int WINAPI MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type);
// Length in bytes; 0 for a null pointer.
int WINAPI lstrlenA(LPCSTR text);
// Copies at most count - 1 bytes of source and a NUL (count includes the NUL); a count of 0 writes nothing.
// Returns dest.
LPSTR WINAPI lstrcpynA(LPSTR dest, LPCSTR source, int count);
