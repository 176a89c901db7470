// ContenedorOle2: the sectors of a compound file (the OLE2 container of an
// .xls), for tests that damage the container itself: zero a sector, make a
// sector chain loop back on itself, make a stream's size lie. It reads the
// header, the FAT (from the header's first 109 FAT sector numbers, enough for
// files of up to about 7 MB), the mini FAT and the directory, and writes its
// changes straight into the file's bytes.
//
// Test-only; header-only. Numbers that fall outside the file are ignored, so
// it can be pointed at a file that is already damaged.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "workbook/xls/LittleEndian.h"
#include "workbook/xls/testing/BiffBuilder.h"

namespace kaldoren::testing {

class ContenedorOle2 {
 public:
  static constexpr std::uint32_t kFinDeCadena = 0xFFFFFFFE;

  explicit ContenedorOle2(std::string archivo) : bytes_(std::move(archivo)) {}

  const std::string& bytes() const { return bytes_; }
  std::size_t TamanoSector() const { return std::size_t{1} << U16(0x1E); }
  std::size_t Sectores() const { return bytes_.size() / TamanoSector() - 1; }
  std::uint32_t InicioDirectorio() const { return U32(0x30); }
  std::uint32_t InicioMiniFat() const { return U32(0x3C); }

  // The sectors that hold the FAT, as the header lists them.
  std::vector<std::uint32_t> SectoresFat() const {
    std::vector<std::uint32_t> sectores;
    for (std::size_t i = 0; i < 109 && i < U32(0x2C); ++i) sectores.push_back(U32(0x4C + 4 * i));
    return sectores;
  }

  // The chain that starts at a sector, up to its end or until it repeats;
  // the same in the mini FAT for a stream held in the mini stream.
  std::vector<std::uint32_t> Cadena(std::uint32_t inicio) const {
    return Seguir(inicio, Sectores(), [this](std::uint32_t s) { return U32(PosicionFat(s)); });
  }
  std::vector<std::uint32_t> CadenaMini(std::uint32_t inicio) const {
    const std::size_t minis = Cadena(InicioMiniFat()).size() * TamanoSector() / 4;
    return Seguir(inicio, minis, [this](std::uint32_t m) { return U32(PosicionMiniFat(m)); });
  }

  // Offset in the file of the directory entry with that name; 0 when none.
  std::size_t Entrada(std::u16string_view nombre) const {
    const std::string buscado = Utf16(nombre) + std::string(2, '\0');
    for (const std::uint32_t s : Cadena(InicioDirectorio())) {
      for (std::size_t e = Posicion(s); e + 128 <= Posicion(s) + TamanoSector(); e += 128) {
        if (U16(e + 0x40) == buscado.size() && bytes_.compare(e, buscado.size(), buscado) == 0) {
          return e;
        }
      }
    }
    return 0;
  }
  std::uint32_t InicioDe(std::size_t entrada) const { return U32(entrada + 0x74); }
  std::uint32_t TamanoDe(std::size_t entrada) const { return U32(entrada + 0x78); }
  // Whether a stream of that size lives in the mini stream.
  bool EnMiniFlujo(std::uint32_t tamano) const { return tamano < U32(0x38); }

  // Changes.
  void Enlazar(std::uint32_t sector, std::uint32_t siguiente) {
    PonerU32(PosicionFat(sector), siguiente);
  }
  void EnlazarMini(std::uint32_t mini, std::uint32_t siguiente) {
    PonerU32(PosicionMiniFat(mini), siguiente);
  }
  void Borrar(std::uint32_t sector) {
    const std::size_t pos = Posicion(sector);
    if (pos >= bytes_.size()) return;
    const std::size_t n = std::min(TamanoSector(), bytes_.size() - pos);
    bytes_.replace(pos, n, n, '\0');
  }
  void PonerU32(std::size_t pos, std::uint32_t valor) {
    if (pos + 4 <= bytes_.size()) bytes_.replace(pos, 4, Le32(valor));
  }

  std::size_t Posicion(std::uint32_t sector) const {
    return (std::size_t{sector} + 1) * TamanoSector();
  }

 private:
  template <typename Siguiente>
  static std::vector<std::uint32_t> Seguir(std::uint32_t inicio, std::size_t limite,
                                           Siguiente siguiente) {
    std::vector<std::uint32_t> cadena;
    std::set<std::uint32_t> vistos;
    for (std::uint32_t s = inicio; s < limite && vistos.insert(s).second; s = siguiente(s)) {
      cadena.push_back(s);
    }
    return cadena;
  }

  // Where the FAT, or the mini FAT, keeps the entry of a sector whose table
  // lies in the given sectors (past the end: none).
  std::size_t PosicionEn(const std::vector<std::uint32_t>& tabla, std::uint32_t sector) const {
    const std::size_t por_sector = TamanoSector() / 4;
    if (sector / por_sector >= tabla.size()) return bytes_.size();
    return Posicion(tabla[sector / por_sector]) + 4 * (sector % por_sector);
  }
  std::size_t PosicionFat(std::uint32_t sector) const { return PosicionEn(SectoresFat(), sector); }
  std::size_t PosicionMiniFat(std::uint32_t mini) const {
    return PosicionEn(Cadena(InicioMiniFat()), mini);
  }

  std::uint16_t U16(std::size_t pos) const {
    return pos + 2 <= bytes_.size() ? little_endian::U16(bytes_.data() + pos) : 0;
  }
  std::uint32_t U32(std::size_t pos) const {
    return pos + 4 <= bytes_.size() ? little_endian::U32(bytes_.data() + pos) : kFinDeCadena;
  }

  std::string bytes_;
};

}  // namespace kaldoren::testing
