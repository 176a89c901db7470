// Fuzz entry point of the workbook reader: any bytes, as the whole file, must
// give a workbook or a described error, and never a crash, a hang, a read out
// of bounds or unbounded memory. Inputs that begin like a BIFF stream (a BOF
// record) are read as a bare stream, so the fuzzer reaches the record decoding
// without having to build a compound file first.
//
// Built and run by tools/fuzz_lector.sh (clang's libFuzzer with the address
// and undefined-behaviour sanitizers).
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "workbook/WorkbookReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kaldoren::Workbook book;
  const kaldoren::Status status = kaldoren::WorkbookReader::ReadBytes(
      std::string_view(reinterpret_cast<const char*>(data), size), &book);
  if (!status.ok() && status.description().empty()) __builtin_trap();
  return 0;
}
