// Start-up code of the test programs for Windows on ARM64, which Debian builds without a C runtime library:
// the command line from msvcrt, main, and exit with its status; and the one function that mingw-w64's
// stdio.h names for the standard streams and msvcrt lacks.
#define __acrt_iob_func huebird_declared_by_stdio
#include <stdio.h>
#undef __acrt_iob_func
#include <stdlib.h>

int main(int argc, char** argv);

extern "C" {

struct StartupInfo {
    int newMode;
};
int __cdecl __getmainargs(int* argc, char*** argv, char*** env, int expandWildcards, StartupInfo* info);

// stdin, stdout and stderr: msvcrt keeps them in a table of its own.
FILE* __cdecl __acrt_iob_func(unsigned index)
{
    return &__iob_func()[index];
}
// stdio.h declares it imported from a DLL: callers go through this pointer.
FILE* (__cdecl* __imp___acrt_iob_func)(unsigned) = __acrt_iob_func;

void mainCRTStartup()
{
    int argc = 0;
    char** argv = nullptr;
    char** env = nullptr;
    StartupInfo info = {0};
    __getmainargs(&argc, &argv, &env, 0, &info);
    exit(main(argc, argv));
}

} // extern "C"
