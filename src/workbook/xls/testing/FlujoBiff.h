// FlujoBiff: a workbook stream taken apart into its records, for tests and
// fuzzers that damage or reshape a real workbook record by record (drop a
// CONTINUE, make a count lie, move a cell) and put it back together. Each
// BOUNDSHEET record remembers the record its offset pointed at, so records
// can be inserted, removed and moved before it and Escribir still points the
// sheet at its BOF, unless asked to leave the offsets as they were.
//
// Test-only; header-only. Bytes after the last whole record are kept as the
// tail and written back after the records.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "workbook/xls/BiffRecordReader.h"
#include "workbook/xls/LittleEndian.h"
#include "workbook/xls/testing/BiffBuilder.h"

namespace kaldoren::testing {

class FlujoBiff {
 public:
  struct Registro {
    std::uint16_t tipo = 0;
    std::string datos;
    // Where the record stood when it was read (-1: added since); a
    // BOUNDSHEET's destino is the id of the record at its offset (-1: none).
    int id = -1;
    int destino = -1;
  };

  explicit FlujoBiff(std::string_view flujo) {
    BiffRecordReader lector(flujo);
    BiffRecord r;
    std::map<std::size_t, int> por_posicion;
    while (lector.Next(&r)) {
      por_posicion[r.offset] = static_cast<int>(registros.size());
      registros.push_back({r.type, std::string(r.data), static_cast<int>(registros.size()), -1});
    }
    cola = std::string(flujo.substr(lector.offset()));
    for (Registro& hoja : registros) {
      if (hoja.tipo != biff::kBoundSheet || hoja.datos.size() < 4) continue;
      const auto it = por_posicion.find(little_endian::U32(hoja.datos.data()));
      if (it != por_posicion.end()) hoja.destino = it->second;
    }
  }

  // The stream again. With corregir_hojas, every BOUNDSHEET whose record is
  // still there gets that record's new offset. Data longer than a record can
  // say is cut to 65,535 bytes.
  std::string Escribir(bool corregir_hojas = true) const {
    std::map<int, std::uint32_t> posicion;
    std::size_t total = 0;
    for (const Registro& r : registros) {
      if (r.id >= 0) posicion.emplace(r.id, static_cast<std::uint32_t>(total));
      total += 4 + std::min<std::size_t>(r.datos.size(), 0xFFFF);
    }
    std::string flujo;
    flujo.reserve(total + cola.size());
    for (const Registro& r : registros) {
      std::string datos = r.datos.substr(0, 0xFFFF);
      const auto it = posicion.find(r.destino);
      if (corregir_hojas && r.tipo == biff::kBoundSheet && it != posicion.end()) {
        datos.replace(0, 4, Le32(it->second));
      }
      flujo += Le16(r.tipo) + Le16(static_cast<std::uint16_t>(datos.size())) + datos;
    }
    return flujo + cola;
  }

  // Index of the first record of the given type at or after desde; -1 if none.
  int Buscar(std::uint16_t tipo, std::size_t desde = 0) const {
    for (std::size_t i = desde; i < registros.size(); ++i) {
      if (registros[i].tipo == tipo) return static_cast<int>(i);
    }
    return -1;
  }

  std::vector<Registro> registros;
  std::string cola;
};

}  // namespace kaldoren::testing
