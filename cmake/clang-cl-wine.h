/* Force-included first into every source that clang-cl compiles against Wine's headers (cmake/clang-cl-wine.cmake). */
#ifndef HUEBIRD_CLANG_CL_WINE_H
#define HUEBIRD_CLANG_CL_WINE_H

/* Wine 8's winnt.h defines or declares these with its own bodies and signatures, and clang 14 in MSVC mode
   rejects that of its builtins ("definition of builtin function"). Renamed, Wine's versions stand as
   ordinary functions; nothing here calls them. */
#if defined(_M_IX86)
#define _InterlockedAnd64 WineInterlockedAnd64
#define _InterlockedCompareExchangePointer WineInterlockedCompareExchangePointer
#define _InterlockedDecrement64 WineInterlockedDecrement64
#define _InterlockedExchangeAdd64 WineInterlockedExchangeAdd64
#define _InterlockedExchangePointer WineInterlockedExchangePointer
#define _InterlockedIncrement64 WineInterlockedIncrement64
#define _InterlockedOr64 WineInterlockedOr64
#define _InterlockedXor64 WineInterlockedXor64
#elif defined(_M_X64)
#define _InterlockedCompareExchange128 WineInterlockedCompareExchange128
#endif

/* WCHAR as the Windows SDK has it, wchar_t (16 bits on Windows), so that L"" strings are WCHAR strings; Wine's
   headers otherwise take char16_t. */
#define WINE_UNICODE_NATIVE

/* Wine's stdio.h declares the printf functions that _NO_CRT_STDIO_INLINE leaves as imports after it has
   closed its extern "C" block, which gives them C++ names that no C runtime exports. */
#ifdef __cplusplus
extern "C" {
#endif
#include <stdio.h>
#ifdef __cplusplus
}
#endif

#endif
