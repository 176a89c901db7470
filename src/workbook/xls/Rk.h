// Rk: the compact number of RK and MULRK records. Bit 1 tells a signed 30-bit
// integer from the upper 30 bits of a double (the lower 34 bits zero); bit 0
// says the number was multiplied by 100.
#pragma once

#include <bit>
#include <cstdint>

namespace kaldoren {

inline double DecodeRk(std::uint32_t rk) {
  const double x = (rk & 2) != 0
                       ? static_cast<double>(static_cast<std::int32_t>(rk) >> 2)
                       : std::bit_cast<double>(static_cast<std::uint64_t>(rk & 0xFFFFFFFCu) << 32);
  return (rk & 1) != 0 ? x / 100 : x;
}

}  // namespace kaldoren
