// The defences' own symbols, which no C runtime provides here: the stack cookie, its seeding at load, its check
// and failure routine, the library's entry that seeds it, and the load configuration with the guard's pointers.
#include "host/exports.h"
#include "host/win32.h"

// Functions that must not check a cookie: they run before it is seeded, or seed it.
#if defined(__GNUC__) || defined(__clang__)
#define UNPROTECTED __attribute__((no_stack_protector))
#else
#define UNPROTECTED __declspec(safebuffers)
#endif

// The cookie's name: the MSVC ABI's (clang-cl's too), or that of GCC and of clang for mingw-w64.
#ifdef _MSC_VER
#define STACK_COOKIE __security_cookie
#else
#define STACK_COOKIE __stack_chk_guard
#endif

extern "C" {
// The compiler's protected functions save this value below their buffers and compare it on return. Where a
// load configuration points the system's loader at it, it starts as the value that the loader replaces with
// a random one of its own; elsewhere it starts at zero, which takes no initialised data section.
#if !defined(HUEBIRD_LOAD_CONFIGURATION)
UINT_PTR STACK_COOKIE;
#elif defined(_WIN64)
UINT_PTR STACK_COOKIE = 0x00002B992DDFA232ull;
#else
UINT_PTR STACK_COOKIE = 0xBB40E64Eu;
#endif

#if defined(_MSC_VER) && defined(_M_IX86) // (mingw-w64's headers define _M_IX86 and _M_X64 too)
// Called by each protected function on return with the cookie it saved in ECX, after its result is in EAX and
// EDX: written out, so that no compiler setting (an unoptimised build keeps the cookie in EAX) touches any
// register but the flags on the way back. A mismatch ends the process through the system's fail-fast path.
__declspec(naked) void __fastcall __security_check_cookie(UINT_PTR)
{
    __asm {
        cmp ecx, __security_cookie
        jne mismatch
        ret
    mismatch:
        mov ecx, FAST_FAIL_STACK_COOKIE_CHECK_FAILURE
        int 29h
    }
}
#elif defined(_MSC_VER) && defined(_M_X64)
// The check, written out for the same reason, is host/security_check_x64.asm, for ml64 and llvm-ml alike.
#elif defined(_MSC_VER)
#error "no stack cookie check written for this processor"
#else
// Called when a protected function finds its cookie overwritten: ends the process at once through the
// system's fail-fast path (status 0xC0000409), which runs no handler of the process and shows nothing.
// mingw-w64 10 and clang 14 in mingw mode have no __fastfail: its instruction, with the code where it reads it.
[[noreturn]] void __stack_chk_fail()
{
#if defined(__aarch64__)
    register UINT_PTR code __asm__("x0") = FAST_FAIL_STACK_COOKIE_CHECK_FAILURE;
    __asm__ volatile("brk #0xF003" : : "r"(code));
#else
    __asm__ volatile("int $0x29" : : "c"(FAST_FAIL_STACK_COOKIE_CHECK_FAILURE));
#endif
    __builtin_unreachable();
}
#endif
}

// Mixes into the cookie values that differ from process to process and from load to load, before any
// protected function runs: the loader's random cookie where it set one, the time to the processor's
// counter, the process, and where the stack and the library lie. Two imports, as more would cost the DLL
// another 512 bytes of file.
static UNPROTECTED void SeedStackCookie()
{
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    UINT_PTR cookie = STACK_COOKIE ^ reinterpret_cast<UINT_PTR>(&STACK_COOKIE);
    cookie ^= static_cast<UINT_PTR>(counter.QuadPart) ^ (static_cast<UINT_PTR>(counter.LowPart) << 16);
    cookie ^= static_cast<UINT_PTR>(GetCurrentProcessId()) << 8;
    cookie ^= reinterpret_cast<UINT_PTR>(&cookie);
    STACK_COOKIE = cookie;
}

// The library's entry function as the linker names it: the cookie first, then DllMain.
extern "C" UNPROTECTED BOOL WINAPI LibraryEntry(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    if (reason == DLL_PROCESS_ATTACH)
        SeedStackCookie();
    return DllMain(instance, reason, reserved);
}

#ifdef HUEBIRD_LOAD_CONFIGURATION
// 32-bit x86 code hands the guard's check its target in ECX.
#if defined(_M_IX86)
#define GUARD_CHECK_CALL __fastcall
#else
#define GUARD_CHECK_CALL
#endif

// Control Flow Guard's default check, which the system replaces where the process enforces the guard: an
// indirect call's target in a register, nothing to do.
static void GUARD_CHECK_CALL GuardCheckNothing(UINT_PTR)
{
}

// An address as the load configuration holds it: a constant that the linker fills in.
#define ADDRESS(symbol) reinterpret_cast<UINT_PTR>(symbol)

extern "C" {
// Set by the linker under its guard option: the table of valid call targets, its length and the guard's
// flags, all three as the addresses of these symbols.
extern const BYTE __guard_fids_table[];
extern const BYTE __guard_fids_count;
extern const BYTE __guard_flags;

// Called before each indirect call, with its target. Written by the loader alone, where the process enforces
// the guard: read-only to the code, and volatile, so that no call through it is resolved at build time.
// Declared extern, as a const one would otherwise be the file's own, out of reach of guarded calls elsewhere.
extern void(GUARD_CHECK_CALL* const volatile __guard_check_icall_fptr)(UINT_PTR);
void(GUARD_CHECK_CALL* const volatile __guard_check_icall_fptr)(UINT_PTR) = GuardCheckNothing;

#if defined(_MSC_VER) && defined(_M_X64)
// 64-bit code calls through this one instead, with the target in RAX, which the default one jumps to
// (host/security_check_x64.asm); the loader replaces it as it does the check. The default is declared as
// bytes, not as a function, so that the compiler does not list it among the valid targets of indirect calls:
// a jump to RAX would let such a call go anywhere.
extern const BYTE GuardDispatchNothing[];
extern const volatile UINT_PTR __guard_dispatch_icall_fptr;
const volatile UINT_PTR __guard_dispatch_icall_fptr = ADDRESS(GuardDispatchNothing);
#define GUARD_DISPATCH ADDRESS(&__guard_dispatch_icall_fptr)
#else
#define GUARD_DISPATCH 0
#endif
}

// The load configuration's layout up to the guard's flags: the fields of older Windows first, all zero here
// but its size, then the cookie, the exception handlers and the guard. Without setjmp there is no long-jump
// table to describe.
struct LoadConfiguration {
    DWORD Size;
    BYTE Unused[sizeof(UINT_PTR) == 4 ? 0x38 : 0x54]; // time stamp, versions, heap and lock settings
    UINT_PTR SecurityCookie;
    UINT_PTR SEHandlerTable; // none: the 32-bit DLL declares that it uses no SEH
    UINT_PTR SEHandlerCount;
    UINT_PTR GuardCFCheckFunctionPointer;
    UINT_PTR GuardCFDispatchFunctionPointer; // x64 only
    UINT_PTR GuardCFFunctionTable;
    UINT_PTR GuardCFFunctionCount;
    // 32 bits; on 64-bit Windows the 4 bytes past the structure too, which stay zero, so that the linker's
    // symbol fills it with an address-sized relocation as a constant.
    UINT_PTR GuardFlags;
};
// The size that the system reads: up to the guard's flags, which are 32 bits.
static const DWORD LOAD_CONFIGURATION_SIZE = sizeof(UINT_PTR) == 4 ? 0x5C : 0x94;
static_assert(sizeof(LoadConfiguration) == (sizeof(UINT_PTR) == 4 ? 0x5C : 0x98), "the system's layout");

// Found by the linker under this name, which it records in the file's header. On 8 bytes on 32-bit Windows
// too: 64-bit Windows reads a 32-bit DLL's load configuration as well, and 8 suits every reader.
extern "C" alignas(8) const LoadConfiguration _load_config_used = {
    LOAD_CONFIGURATION_SIZE, {}, ADDRESS(&STACK_COOKIE), 0, 0, ADDRESS(&__guard_check_icall_fptr),
    GUARD_DISPATCH, ADDRESS(__guard_fids_table), ADDRESS(&__guard_fids_count), ADDRESS(&__guard_flags)};
#endif
