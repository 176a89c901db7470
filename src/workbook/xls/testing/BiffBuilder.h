// BiffBuilder: writes small workbook streams and compound files byte by byte
// for the reader's tests, so that each test shows the records it feeds in and
// can damage any of them. Test-only; header-only.
//
// A workbook is a globals part (BOF, the records a test adds, BOUNDSHEET
// records pointing at the sheets, EOF) followed by each sheet's part (BOF,
// the sheet's records, EOF). Stream() computes the sheet offsets; File()
// wraps the stream in an OLE2 compound file with libgsf.
#pragma once

#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-memory.h>
#include <gsf/gsf-utils.h>

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "MemoryArchive.h"

namespace kaldoren::testing {

// The largest record data BIFF8 writers produce.
constexpr std::size_t kMaxRecordData = 8224;

inline std::string Le16(std::uint16_t x) {
  return {static_cast<char>(x & 0xFF), static_cast<char>(x >> 8)};
}

inline std::string Le32(std::uint32_t x) { return Le16(x & 0xFFFF) + Le16(x >> 16); }

inline std::string LeDouble(double x) {
  const auto bits = std::bit_cast<std::uint64_t>(x);
  return Le32(static_cast<std::uint32_t>(bits)) + Le32(static_cast<std::uint32_t>(bits >> 32));
}

inline std::string Record(std::uint16_t type, std::string_view data) {
  return Le16(type) + Le16(static_cast<std::uint16_t>(data.size())) + std::string(data);
}

// Row, column and XF, the start of every cell record.
inline std::string CellHead(std::uint16_t row, std::uint16_t column, std::uint16_t xf = 0) {
  return Le16(row) + Le16(column) + Le16(xf);
}

// A BIFF8 string of 8-bit characters: count (2 bytes, or 1), option byte 0, bytes.
inline std::string Compressed(std::string_view latin1, int count_bytes = 2) {
  const auto n = static_cast<std::uint16_t>(latin1.size());
  const std::string count = count_bytes == 2 ? Le16(n) : std::string(1, static_cast<char>(n));
  return count + '\0' + std::string(latin1);
}

// UTF-16LE bytes of a text.
inline std::string Utf16(std::u16string_view text) {
  std::string bytes;
  for (const char16_t unit : text) bytes += Le16(unit);
  return bytes;
}

// A BIFF8 string of 16-bit characters: count (2 bytes), option byte 1, UTF-16LE.
inline std::string Wide(std::u16string_view text) {
  return Le16(static_cast<std::uint16_t>(text.size())) + '\x01' + Utf16(text);
}

// The XF record data that gives format_id to its cells.
inline std::string XfData(std::uint16_t format_id) {
  return Le16(0) + Le16(format_id) + std::string(16, '\0');
}

class BiffBuilder {
 public:
  static constexpr std::uint16_t kBof = 0x0809;
  static constexpr std::uint16_t kEof = 0x000A;

  explicit BiffBuilder(int biff = 8) : biff_(biff) {}

  BiffBuilder& Global(std::uint16_t type, std::string_view data) {
    globals_ += Record(type, data);
    return *this;
  }
  BiffBuilder& GlobalBytes(std::string_view bytes) {
    globals_ += bytes;
    return *this;
  }
  // records: the sheet's records (already framed), between its BOF and EOF.
  // sheet_type: of the BOUNDSHEET record; substream: of the sheet's BOF.
  BiffBuilder& Sheet(std::string name, std::string records, std::uint8_t sheet_type = 0,
                     std::uint16_t substream = 0x0010) {
    sheets_.push_back({std::move(name), std::move(records), sheet_type, substream});
    return *this;
  }

  std::string Bof(std::uint16_t substream) const {
    const std::uint16_t version = biff_ == 8 ? 0x0600 : 0x0500;
    std::string data = Le16(version) + Le16(substream) + Le16(0x0DBB) + Le16(0x07CC);
    if (biff_ == 8) data += Le32(0) + Le32(0x0206);
    return Record(kBof, data);
  }

  std::string Stream() const {
    std::vector<std::string> names;
    size_t globals_size = Bof(0x0005).size() + globals_.size() + 4;
    for (const SheetPart& sheet : sheets_) {
      names.push_back(biff_ == 8
                          ? Compressed(sheet.name, 1)
                          : std::string(1, static_cast<char>(sheet.name.size())) + sheet.name);
      globals_size += 4 + 6 + names.back().size();
    }
    std::string stream = Bof(0x0005) + globals_;
    size_t offset = globals_size;
    for (size_t i = 0; i < sheets_.size(); ++i) {
      const std::string data = Le32(static_cast<std::uint32_t>(offset)) + '\0' +
                               static_cast<char>(sheets_[i].type) + names[i];
      stream += Record(0x0085, data);
      offset += Part(sheets_[i]).size();
    }
    stream += Record(kEof, "");
    for (const SheetPart& sheet : sheets_) stream += Part(sheet);
    return stream;
  }

  // The stream in a compound file, under the name Excel gives it.
  std::string File() const {
    return CompoundFileWith({{biff_ == 8 ? "Workbook" : "Book", Stream()}});
  }

  // A compound file holding the given streams (name, bytes).
  static std::string CompoundFileWith(
      const std::vector<std::pair<std::string, std::string>>& streams) {
    gsf_init();
    GsfOutput* memory = gsf_output_memory_new();
    GsfOutfile* archive = gsf_outfile_msole_new(memory);
    for (const auto& [name, bytes] : streams) {
      GsfOutput* child = gsf_outfile_new_child(archive, name.c_str(), FALSE);
      gsf_output_write(child, bytes.size(), reinterpret_cast<const guint8*>(bytes.data()));
      gsf_output_close(child);
      g_object_unref(child);
    }
    return CloseMemoryArchive(memory, archive);
  }

 private:
  struct SheetPart {
    std::string name;
    std::string records;
    std::uint8_t type;
    std::uint16_t substream;
  };

  std::string Part(const SheetPart& sheet) const {
    return Bof(sheet.substream) + sheet.records + Record(kEof, "");
  }

  int biff_;
  std::string globals_;
  std::vector<SheetPart> sheets_;
};

}  // namespace kaldoren::testing
