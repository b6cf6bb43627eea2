#pragma once

// The framework's GetSafeHwnd-style functions may be called through a null object
// pointer and then answer null, as programs written against the framework expect.
// The compiler assumes "this" is never null and would drop a plain test, so the
// pointer is passed through an empty assembler statement that hides its origin.
template <class T>
inline const T* AfxOpaquePointer(const T* pointer) {
    asm("" : "+r"(pointer));
    return pointer;
}
