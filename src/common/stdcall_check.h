#pragma once

// Compile-time proof that a COM method or a routine taken from a DLL has the __stdcall
// convention, the one Windows calls and exports them with. Only the 32-bit x86 build can tell:
// there a method without STDMETHODCALLTYPE (or a routine type without WINAPI) compiles and
// then corrupts the stack at its first call. Elsewhere every check passes.
//
//   PELANTO_ASSERT_STDCALL(SomeRoutineType);                       // a function-pointer type
//   static_assert(AllStdcall<&IThing::First, &IThing::Second>);   // every method of an interface
//
// FindRoutine checks the type of every routine it is asked for.

#include <type_traits>

namespace stdcall_check {

template <typename T>
struct IsStdcall : std::bool_constant<
#if defined(__i386__)
                       false
#else
                       true
#endif
                       > {
};

#if defined(__i386__)
template <typename Result, typename... Arguments>
struct IsStdcall<Result(__stdcall*)(Arguments...)> : std::true_type {};
template <typename Result, typename Class, typename... Arguments>
struct IsStdcall<Result (__stdcall Class::*)(Arguments...)> : std::true_type {};
#endif

// One method at a time, so that a failing one is named where the compiler reports it.
template <auto Method>
struct StdcallMethod {
  static_assert(IsStdcall<decltype(Method)>::value, "a COM method is not __stdcall");
  static constexpr bool value = true;
};

}  // namespace stdcall_check

template <typename Routine>
inline constexpr bool IsStdcallRoutine = stdcall_check::IsStdcall<Routine>::value;

template <auto... Methods>
inline constexpr bool AllStdcall = (stdcall_check::StdcallMethod<Methods>::value && ...);

#define PELANTO_ASSERT_STDCALL(Type) \
  static_assert(IsStdcallRoutine<Type>, #Type " is not a __stdcall function pointer")
