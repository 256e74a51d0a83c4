// C++ runtime support for the Windows exe, which links the compiler's runtime
// statically. The program is built without exceptions; these definitions keep
// the linker from pulling in the runtime's exception machinery (unwinder,
// demangler, exception classes), which would more than double the exe's size.
// Every failure they cover is running out of memory or a broken invariant, and
// ends the process.
#include <cstdlib>
#include <new>
#include <string>

void* operator new(std::size_t size) {
  if (void* block = std::malloc(size ? size : 1)) return block;
  std::abort();
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return std::malloc(size ? size : 1);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return std::malloc(size ? size : 1);
}
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }

// The library's containers report errors through these; the library's own
// definitions throw. All of them are defined so that its file of throwing
// definitions is never needed.
namespace std {
[[noreturn]] void __throw_bad_alloc() { abort(); }
[[noreturn]] void __throw_bad_array_new_length() { abort(); }
[[noreturn]] void __throw_bad_cast() { abort(); }
[[noreturn]] void __throw_bad_exception() { abort(); }
[[noreturn]] void __throw_bad_typeid() { abort(); }
[[noreturn]] void __throw_domain_error(const char*) { abort(); }
[[noreturn]] void __throw_invalid_argument(const char*) { abort(); }
[[noreturn]] void __throw_length_error(const char*) { abort(); }
[[noreturn]] void __throw_logic_error(const char*) { abort(); }
[[noreturn]] void __throw_out_of_range(const char*) { abort(); }
[[noreturn]] void __throw_out_of_range_fmt(const char*, ...) { abort(); }
[[noreturn]] void __throw_overflow_error(const char*) { abort(); }
[[noreturn]] void __throw_range_error(const char*) { abort(); }
[[noreturn]] void __throw_runtime_error(const char*) { abort(); }
[[noreturn]] void __throw_underflow_error(const char*) { abort(); }
}  // namespace std

// The library's prebuilt strings were compiled with exceptions; compiling
// their members here, without them, keeps those copies out of the exe.
template class std::basic_string<char>;
template class std::basic_string<wchar_t>;
