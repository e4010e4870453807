/* Force-included first into the plug-in's sources in both builds of Huebird.dll, mingw-w64's and the MSVC
   toolchain's: snprintf is the system C runtime's _snprintf, from msvcrt.dll, which every Windows has.
   mingw-w64's own snprintf is a whole printf engine linked into the DLL (tens of KiB, with a heap, locale
   and exit handlers), and its C99 wrapper around the system's printf brings an emulation with a heap of its
   own; the MSVC toolchain's is an inline over the Universal C Runtime, which not every Windows has (the
   MSVC build defines _NO_CRT_STDIO_INLINE to declare the plain function instead). The system C runtime's
   _snprintf is bounded in the same way and formats "%02X" the same; it only leaves out the NUL when the
   text fills the buffer, and the one caller sets that NUL itself. */
#ifndef HUEBIRD_MSVCRT_SNPRINTF_H
#define HUEBIRD_MSVCRT_SNPRINTF_H

/* The system's stdio declarations, before any C++ header can switch mingw-w64's on. */
#define __USE_MINGW_ANSI_STDIO 0
#include <stdio.h>
#define snprintf _snprintf

#endif
