// Real processor faults for the tests: each function faults on its first
// instruction that touches the argument.
#pragma once

#include <cstdint>

namespace faults {

// An address no process maps.
inline volatile std::uintptr_t invalidAddress = 16;
inline volatile int zero = 0;

[[gnu::noinline]] inline int ReadInvalidAddress() { return *reinterpret_cast<volatile int*>(invalidAddress); }
[[gnu::noinline, gnu::no_sanitize("undefined")]] inline int DivideByZero(int value) { return value / zero; }
[[gnu::noinline]] inline void IllegalInstruction() { __builtin_trap(); }

}  // namespace faults
