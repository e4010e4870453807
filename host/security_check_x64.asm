; The stack cookie's check for 64-bit code of the MSVC ABI, in assembly so that no compiler setting changes
; which registers it touches.

EXTERN __security_cookie:QWORD

.CODE

; Called by each protected function on return with the cookie it saved in RCX, after its result is in RAX or
; XMM0: compares, and touches nothing but the flags unless the cookie was overwritten; then the process ends
; through the system's fail-fast path, with FAST_FAIL_STACK_COOKIE_CHECK_FAILURE in ECX.
__security_check_cookie PROC PUBLIC
IFDEF HUEBIRD_RIP_EXPLICIT
    ; llvm-ml 14 addresses a symbol absolutely unless told RIP, which ml64 does by itself and does not name.
    cmp rcx, QWORD PTR [rip + __security_cookie]
ELSE
    cmp rcx, __security_cookie
ENDIF
    jne mismatch
    ret
mismatch:
    mov ecx, 2
    int 29h
__security_check_cookie ENDP

END
