// LittleEndian: the integers and doubles of BIFF records, read from bytes the
// caller has already bounds-checked. The file format is little-endian
// whatever the machine is.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

namespace kaldoren::little_endian {

inline std::uint16_t U16(const char* p) {
  const auto* b = reinterpret_cast<const unsigned char*>(p);
  return static_cast<std::uint16_t>(b[0] | b[1] << 8);
}

inline std::uint32_t U32(const char* p) {
  const auto* b = reinterpret_cast<const unsigned char*>(p);
  return static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
         static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
}

inline double F64(const char* p) {
  const std::uint64_t bits =
      static_cast<std::uint64_t>(U32(p)) | static_cast<std::uint64_t>(U32(p + 4)) << 32;
  return std::bit_cast<double>(bits);
}

}  // namespace kaldoren::little_endian
