#include "MutadorBiff.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "workbook/xls/CompoundFile.h"

extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t* data, std::size_t size, std::size_t max_size);

namespace kaldoren::fuzz {
namespace {

using kaldoren::testing::kMaxRecordData;
using kaldoren::testing::Le16;
using kaldoren::testing::Le32;
using kaldoren::testing::LeDouble;
using Flujo = MutadorBiff::Flujo;

constexpr std::array<std::uint16_t, 24> kTipos = {
    biff::kBof,      biff::kEof,           biff::kBoundSheet, biff::kSst,     biff::kContinue,
    biff::kLabelSst, biff::kLabel,         biff::kRString,    biff::kNumber,  biff::kRk,
    biff::kMulRk,    biff::kMulBlank,      biff::kBlank,      biff::kBoolErr, biff::kFormula,
    biff::kString,   biff::kSharedFormula, biff::kArray,      biff::kXf,      biff::kFormat,
    biff::kCodePage, biff::kDateMode,      biff::kFilePass,   0x0200 /* DIMENSIONS */};

// The records that start with a cell's row and column.
constexpr std::array<std::uint16_t, 10> kCeldas = {
    biff::kNumber,  biff::kRk,    biff::kLabelSst, biff::kLabel, biff::kRString,
    biff::kBoolErr, biff::kBlank, biff::kFormula,  biff::kMulRk, biff::kMulBlank};

bool EsCelda(std::uint16_t tipo) {
  return std::find(kCeldas.begin(), kCeldas.end(), tipo) != kCeldas.end();
}

std::size_t Uno(std::size_t n, std::mt19937& azar) { return n == 0 ? 0 : azar() % n; }

// A cell record chosen at random; -1 when the stream has none (after a few tries).
int UnaCelda(const Flujo& flujo, std::mt19937& azar) {
  for (int intento = 0; intento < 64; ++intento) {
    const std::size_t i = Uno(flujo.registros.size(), azar);
    if (EsCelda(flujo.registros[i].tipo)) return static_cast<int>(i);
  }
  return -1;
}

std::uint16_t NumeroDeFilaOColumna(std::uint16_t actual, std::mt19937& azar) {
  const std::uint16_t antes = actual - 1, despues = actual + 1;
  const std::array<std::uint16_t, 8> raros = {0, 1, 2, 255, 256, 0xFFFF, antes, despues};
  return azar() % 4 == 0 ? static_cast<std::uint16_t>(azar() % 400)
                         : raros[Uno(raros.size(), azar)];
}

void CambiarDatos(Flujo& flujo, std::mt19937& azar) {
  std::string& datos = flujo.registros[Uno(flujo.registros.size(), azar)].datos;
  if (datos.empty()) datos.assign(1, static_cast<char>(azar()));
  const std::size_t capacidad =
      std::min(kMaxRecordData, std::max<std::size_t>(64, datos.size() * 2));
  std::string buffer = datos;
  buffer.resize(capacidad);
  const std::size_t n =
      LLVMFuzzerMutate(reinterpret_cast<std::uint8_t*>(buffer.data()), datos.size(), capacidad);
  buffer.resize(n);
  datos = std::move(buffer);
}

void Borrar(Flujo& flujo, std::mt19937& azar) {
  auto& r = flujo.registros;
  if (r.size() > 1) r.erase(r.begin() + static_cast<long>(Uno(r.size(), azar)));
}

void Duplicar(Flujo& flujo, std::mt19937& azar) {
  Flujo::Registro copia = flujo.registros[Uno(flujo.registros.size(), azar)];
  copia.id = -1;
  flujo.registros.insert(
      flujo.registros.begin() + static_cast<long>(Uno(flujo.registros.size() + 1, azar)), copia);
}

void Intercambiar(Flujo& flujo, std::mt19937& azar) {
  auto& r = flujo.registros;
  std::swap(r[Uno(r.size(), azar)], r[Uno(r.size(), azar)]);
}

void CambiarTipo(Flujo& flujo, std::mt19937& azar) {
  flujo.registros[Uno(flujo.registros.size(), azar)].tipo = kTipos[Uno(kTipos.size(), azar)];
}

void MoverCelda(Flujo& flujo, std::mt19937& azar) {
  const int i = UnaCelda(flujo, azar);
  if (i < 0) return;
  std::string& datos = flujo.registros[static_cast<std::size_t>(i)].datos;
  if (datos.size() < 4) return;
  const std::size_t campo = azar() % 2 == 0 ? 0 : 2;  // row or column
  const std::uint16_t actual = little_endian::U16(datos.data() + campo);
  datos.replace(campo, 2, Le16(NumeroDeFilaOColumna(actual, azar)));
}

void NumeroRaro(Flujo& flujo, std::mt19937& azar) {
  using limites = std::numeric_limits<double>;
  const double inf = limites::infinity(), nan = limites::quiet_NaN(), min = limites::denorm_min();
  const std::array<double, 18> raros = {0,       -0.0,  1,       -1,      0.5,     0.005,
                                        1e15,    1e-5,  2958465, 2958466, -693594, 60,
                                        38000.5, 1e308, inf,     -inf,    nan,     min};
  const int i = UnaCelda(flujo, azar);
  if (i < 0) return;
  Flujo::Registro& r = flujo.registros[static_cast<std::size_t>(i)];
  if ((r.tipo == biff::kNumber || r.tipo == biff::kFormula) && r.datos.size() >= 14) {
    r.datos.replace(6, 8, LeDouble(raros[Uno(raros.size(), azar)]));
  } else if (r.tipo == biff::kRk && r.datos.size() >= 10) {
    r.datos.replace(6, 4, Le32(static_cast<std::uint32_t>(azar())));
  } else if (r.tipo == biff::kLabelSst && r.datos.size() >= 10) {
    r.datos.replace(6, 4,
                    Le32(azar() % 2 == 0 ? static_cast<std::uint32_t>(azar() % 64) : 0xFFFFFFFFu));
  }
}

void PartirEnContinue(Flujo& flujo, std::mt19937& azar) {
  const std::size_t i = Uno(flujo.registros.size(), azar);
  std::string& datos = flujo.registros[i].datos;
  if (datos.size() < 2) return;
  const std::size_t corte = 1 + Uno(datos.size() - 1, azar);
  Flujo::Registro resto{biff::kContinue, datos.substr(corte), -1, -1};
  datos.resize(corte);
  flujo.registros.insert(flujo.registros.begin() + static_cast<long>(i) + 1, std::move(resto));
}

void Recortar(Flujo& flujo, std::mt19937& azar) {
  flujo.cola.clear();
  flujo.registros.resize(1 + Uno(flujo.registros.size(), azar));
}

// The ways a workbook stream is changed, one picked at random each time.
constexpr void (*kMutaciones[])(Flujo&, std::mt19937&) = {
    CambiarDatos, Borrar,     Duplicar,         Intercambiar, CambiarTipo,
    MoverCelda,   NumeroRaro, PartirEnContinue, Recortar,
};

}  // namespace

std::size_t MutadorBiff::Mutar(std::uint8_t* data, std::size_t size, std::size_t max_size,
                               unsigned int semilla) {
  std::mt19937 azar(semilla);
  if (azar() % 8 == 0) return LLVMFuzzerMutate(data, size, max_size);
  std::string entrada(reinterpret_cast<const char*>(data), size);
  WorkbookStream contenido;
  if (entrada.rfind("\xD0\xCF\x11\xE0", 0) == 0 &&
      CompoundFile::ReadBytes(entrada, &contenido).ok()) {
    entrada = std::string(contenido.bytes());
  }
  Flujo flujo(entrada);
  if (flujo.registros.empty()) return LLVMFuzzerMutate(data, size, max_size);
  for (std::size_t veces = 1 + azar() % 3; veces > 0; --veces) {
    kMutaciones[azar() % std::size(kMutaciones)](flujo, azar);
  }
  const std::string salida = flujo.Escribir(azar() % 16 != 0);
  if (salida.size() > max_size) return LLVMFuzzerMutate(data, size, max_size);
  std::memcpy(data, salida.data(), salida.size());
  return salida.size();
}

}  // namespace kaldoren::fuzz
