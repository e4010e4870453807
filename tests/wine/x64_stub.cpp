// A DLL for x64 that does nothing, built by the ARM64 tree's own compiler: a real DLL of another machine, for
// the ARM64 test program to refuse with the reason.
extern "C" int __stdcall StubEntry(void*, unsigned long, void*)
{
    return 1;
}
