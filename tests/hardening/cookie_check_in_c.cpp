// The stack cookie's check written in C++, as the plug-in once had it: built unoptimised, only to show that
// check_cookie_check rejects it, for the compiler then loads the cookie into a result register.
#include "host/win32.h"
#include <intrin.h>

extern "C" UINT_PTR __security_cookie;

extern "C" void __fastcall __security_check_cookie(UINT_PTR cookie)
{
    if (cookie != __security_cookie)
        __fastfail(FAST_FAIL_STACK_COOKIE_CHECK_FAILURE);
}
