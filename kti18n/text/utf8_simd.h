// Internal to the text layer: the kernels behind the UTF-8 <-> UCS-2
// conversions of utf8.h, and the choice between the scalar kernels and the
// vector ones of utf8_simd.cpp. Not installed for callers' use; tests and
// benchmarks select a path to compare them.
#ifndef KTI18N_TEXT_UTF8_SIMD_H
#define KTI18N_TEXT_UTF8_SIMD_H

#include <cstdint>

namespace kti18n::utf8::detail {

// How far a walk over lead bytes went: the characters stepped over and the
// bytes they take.
struct Walk {
  std::uint64_t chars;
  std::uint64_t bytes;
};

// The kernel set of one path. Every path gives exactly the results of the
// scalar one, for every input.
struct Kernels {
  // Steps from the first byte over the characters (lengths by
  // sAddBytesFromUTF8) that lie wholly within nbytes, stopping before the
  // first lead of 4 or more bytes or the first sequence cut short by nbytes.
  Walk (*walk)(const unsigned char* s, std::uint64_t nbytes) noexcept;
  // kti18n::utf8::decode, encoded_length and encode.
  unsigned short* (*decode)(unsigned short* dst, const unsigned char* s, std::uint64_t nbytes) noexcept;
  std::uint64_t (*encoded_length)(const unsigned short* s, std::uint64_t n) noexcept;
  unsigned char* (*encode)(unsigned char* dst, const unsigned short* s, std::uint64_t n) noexcept;
};

// The scalar kernels (utf8.cpp), also the vector kernels' fallback.
extern const Kernels kScalarKernels;
// Continues a walk (w) by single steps while w.bytes < stop; false when it
// stopped on a long lead or on a sequence that nbytes cuts short.
bool walk_steps(const unsigned char* s, std::uint64_t nbytes, std::uint64_t stop, Walk& w) noexcept;

enum class Path { Scalar, Sse2, Avx2 };

// The kernels in use: the best path of this processor, chosen on first use.
const Kernels& kernels() noexcept;
// Whether this build and this processor can run the path.
bool path_available(Path path) noexcept;
Path best_path() noexcept;
Path current_path() noexcept;
// Selects a path for every later conversion, in every thread; false (and no
// change) when it is not available. For tests and benchmarks.
bool set_path(Path path) noexcept;

}  // namespace kti18n::utf8::detail

#endif
