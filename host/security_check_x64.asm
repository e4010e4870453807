; The stack cookie's check and the guard's default dispatch for 64-bit code of the MSVC ABI, in assembly so
; that no compiler setting changes which registers they touch.

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

; Control Flow Guard's dispatch until the loader puts its own in __guard_dispatch_icall_fptr: guarded code
; calls it with the indirect call's target in RAX, and where the process does not enforce the guard it just
; goes there.
GuardDispatchNothing PROC PUBLIC
    jmp rax
GuardDispatchNothing ENDP

END
