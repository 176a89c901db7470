// MemoryArchive: how the tests' archive builders (zip, compound file) end:
// the archive libgsf wrote into a memory output is closed and its bytes
// answered; both objects are released. Test-only; header-only.
#pragma once

#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-memory.h>

#include <string>

namespace kaldoren::testing {

inline std::string CloseMemoryArchive(GsfOutput* memory, GsfOutfile* archive) {
  gsf_output_close(GSF_OUTPUT(archive));
  g_object_unref(archive);
  const auto* data = gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(memory));
  std::string file(reinterpret_cast<const char*>(data),
                   static_cast<size_t>(gsf_output_size(memory)));
  g_object_unref(memory);
  return file;
}

}  // namespace kaldoren::testing
