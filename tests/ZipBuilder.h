// ZipBuilder: writes small zip archives in memory for the readers' tests
// (an .xlsx or .ods is one), with libgsf, and damages them on request: a
// member's declared inflated size can be set to a lie. Test-only; header-only.
#pragma once

#include <gsf/gsf-infile-zip.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-outfile-zip.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-memory.h>
#include <gsf/gsf-utils.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "MemoryArchive.h"

namespace kaldoren::testing {

class ZipBuilder {
 public:
  // A member: its path and bytes, written repeat times over (a large member
  // is built without holding it whole).
  struct Member {
    std::string name;
    std::string bytes;
    size_t repeat = 1;
  };
  using Members = std::vector<Member>;

  // An archive of the given members, deflated, or stored when stored is true.
  static std::string With(const Members& members, bool stored = false) {
    gsf_init();
    GsfOutput* memory = gsf_output_memory_new();
    GsfOutfile* archive = gsf_outfile_zip_new(memory, nullptr);
    for (const Member& member : members) {
      GsfOutput* child = gsf_outfile_new_child_full(
          archive, member.name.c_str(), FALSE, "compression-level",
          stored ? GSF_ZIP_STORED : GSF_ZIP_DEFLATED, static_cast<const char*>(nullptr));
      for (size_t i = 0; i < member.repeat; ++i) {
        gsf_output_write(child, member.bytes.size(),
                         reinterpret_cast<const guint8*>(member.bytes.data()));
      }
      gsf_output_close(child);
      g_object_unref(child);
    }
    return CloseMemoryArchive(memory, archive);
  }

  // The members of an archive, in its order (directories walked into).
  static Members Read(const std::string& archive) {
    gsf_init();
    GsfInput* input = gsf_input_memory_new(reinterpret_cast<const guint8*>(archive.data()),
                                           static_cast<gsf_off_t>(archive.size()), FALSE);
    GsfInfile* root = gsf_infile_zip_new(input, nullptr);
    Members members;
    if (root != nullptr) Walk(root, "", &members);
    if (root != nullptr) g_object_unref(root);
    g_object_unref(input);
    return members;
  }

  // Sets the number of members the end record declares.
  static void DeclareMembers(std::string* archive, std::uint16_t count) {
    const size_t end = archive->rfind(std::string_view("PK\x05\x06", 4));
    const std::string le{static_cast<char>(count), static_cast<char>(count >> 8)};
    archive->replace(end + 8, 2, le);
    archive->replace(end + 10, 2, le);
  }

  // Sets the inflated size that the local and central headers of member
  // declare (the member must be in the archive).
  static void DeclareSize(std::string* archive, std::string_view member, std::uint32_t size) {
    const std::string le{static_cast<char>(size), static_cast<char>(size >> 8),
                         static_cast<char>(size >> 16), static_cast<char>(size >> 24)};
    Patch(archive, std::string_view("PK\x03\x04", 4), 30, 22, member, le);
    Patch(archive, std::string_view("PK\x01\x02", 4), 46, 24, member, le);
  }

 private:
  static void Walk(GsfInfile* folder, const std::string& path, Members* members) {
    for (int i = 0; i < gsf_infile_num_children(folder); ++i) {
      GsfInput* child = gsf_infile_child_by_index(folder, i);
      const std::string name = path + gsf_input_name(child);
      if (GSF_IS_INFILE(child) && gsf_infile_num_children(GSF_INFILE(child)) >= 0) {
        Walk(GSF_INFILE(child), name + "/", members);
      } else {
        std::string bytes(static_cast<size_t>(gsf_input_size(child)), '\0');
        gsf_input_read(child, bytes.size(), reinterpret_cast<guint8*>(bytes.data()));
        members->push_back({name, bytes});
      }
      g_object_unref(child);
    }
  }

  // Writes bytes at offset into every header of that signature (whose name
  // follows its fixed part of fixed bytes) naming member.
  static void Patch(std::string* archive, std::string_view signature, size_t fixed, size_t offset,
                    std::string_view member, const std::string& bytes) {
    for (size_t at = archive->find(signature); at != std::string::npos;
         at = archive->find(signature, at + 1)) {
      if (archive->compare(at + fixed, member.size(), member) == 0) {
        archive->replace(at + offset, bytes.size(), bytes);
      }
    }
  }
};

}  // namespace kaldoren::testing
