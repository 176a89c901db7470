// Damaged workbooks, derived from every test workbook: cut short at many
// points, bytes overwritten (fixed seeds), container sectors zeroed, sector
// chains that loop, counts that lie (SST, MULRK, MULBLANK, DIMENSIONS,
// LABELSST, BOUNDSHEET), a CONTINUE chain cut short; for .xlsx and .ods
// workbooks, the archive cut and overwritten, and each of its parts
// overwritten, cut in half or left out; for .ods workbooks also repetitions
// of two thousand million cells and rows, values that cannot be read, a
// declared DTD with entities, cells nested inside cells and elements nested
// ten thousand levels deep. Each case must either read, or fail with a
// described opening error, within a time and a memory bound; a case that
// reads must then be verified to a complete report (or be refused for a
// missing sheet or column, like any workbook). The number of cases tried is
// printed, per format.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "Archivos.h"
#include "CorridaDePrueba.h"
#include "HuellaDeLibro.h"
#include "TestData.h"
#include "ZipBuilder.h"
#include "app/Verificacion.h"
#include "workbook/WorkbookReader.h"
#include "workbook/xls/CompoundFile.h"
#include "workbook/xls/testing/BiffBuilder.h"
#include "workbook/xls/testing/ContenedorOle2.h"
#include "workbook/xls/testing/FlujoBiff.h"

namespace kaldoren {
namespace {

namespace fs = std::filesystem;
using testing::ContenedorOle2;
using testing::Contenido;
using testing::FlujoBiff;
using testing::Le16;
using testing::Le32;
using testing::ZipBuilder;

constexpr auto kTiempoPorCaso = std::chrono::seconds(3);
// The whole suite's peak, with room for AddressSanitizer, which holds freed
// memory back (up to 256 MB) before reusing it.
constexpr long kPicoDeMemoriaKb = 1024 * 1024;

constexpr std::uint16_t kDimensions = 0x0200;

struct Caso {
  std::string nombre, bytes;
};

// The cases derived from one workbook, named after it.
struct Casos {
  std::string libro;
  std::vector<Caso> lista;

  void Agregar(const std::string& que, std::string bytes) {
    lista.push_back({libro + ": " + que, std::move(bytes)});
  }
};

// The workbooks of a format the cases come from: the test workbooks except
// the largest (it adds time and no kind of record the others lack), and the
// generated ones.
std::vector<fs::path> LibrosDeOrigen(const std::string& formato) {
  std::vector<fs::path> libros;
  for (const std::string& carpeta :
       std::vector<std::string>{"workbooks", "generados", "workbooks/" + formato}) {
    if (!fs::exists(testing::TestDataPath(carpeta))) continue;
    for (const auto& e : fs::directory_iterator(testing::TestDataPath(carpeta))) {
      if (e.path().extension() == "." + formato && e.path().stem() != "declaracion_grande") {
        libros.push_back(e.path());
      }
    }
  }
  std::sort(libros.begin(), libros.end());
  return libros;
}

std::string Voltear(std::string bytes, unsigned semilla) {
  std::mt19937 azar(semilla);
  for (unsigned n = 1 + azar() % 8; n > 0; --n)
    bytes[azar() % bytes.size()] = static_cast<char>(azar());
  return bytes;
}

// Bytes cut at each of partes fractions and overwritten with sixteen fixed
// seeds; envolver makes a file of each (a stream is put in a container).
void CortesYVolteos(Casos& casos, const std::string& que, const std::string& bytes, size_t partes,
                    const std::function<std::string(const std::string&)>& envolver) {
  for (size_t k = 1; k < partes; ++k) {
    casos.Agregar(que + " cortado a " + std::to_string(k) + "/" + std::to_string(partes),
                  envolver(bytes.substr(0, bytes.size() * k / partes)));
  }
  for (unsigned semilla = 1; semilla <= 16; ++semilla) {
    casos.Agregar(que + " con bytes cambiados, semilla " + std::to_string(semilla),
                  envolver(Voltear(bytes, semilla)));
  }
}

// A .xls file, its workbook stream, and the ways to change either into a case.
struct LibroXls : Casos {
  explicit LibroXls(const fs::path& ruta) : Casos{ruta.stem(), {}}, archivo(Contenido(ruta)) {
    WorkbookStream leido;
    EXPECT_TRUE(CompoundFile::ReadBytes(archivo, &leido).ok()) << ruta;
    flujo = std::string(leido.bytes());
    secuencia = leido.origin == StreamOrigin::kBook ? "Book" : "Workbook";
  }
  // A changed stream, put in a compound file under the same name.
  std::string Envolver(const std::string& cambiado) const {
    return testing::BiffBuilder::CompoundFileWith({{secuencia, cambiado}});
  }
  // A change of the stream taken apart into records; a change that finds
  // nothing to change (answers false) adds no case.
  void AgregarFlujo(const std::string& que, const std::function<bool(FlujoBiff&)>& cambio) {
    FlujoBiff registros(flujo);
    if (cambio(registros)) Agregar(que, Envolver(registros.Escribir()));
  }
  void AgregarContenedor(const std::string& que,
                         const std::function<void(ContenedorOle2&)>& cambio) {
    ContenedorOle2 contenedor(archivo);
    cambio(contenedor);
    Agregar(que, contenedor.bytes());
  }

  std::string archivo, flujo, secuencia;
};

void Truncados(LibroXls& libro) {
  const std::string& a = libro.archivo;
  for (const size_t corte : std::initializer_list<size_t>{1, 8, 511, 512, 513, 1023, 1024, 1536,
                                                          a.size() - 512, a.size() - 1}) {
    libro.Agregar("cortado a " + std::to_string(corte) + " bytes", a.substr(0, corte));
  }
  CortesYVolteos(libro, "el archivo", a, 20, std::identity());
  CortesYVolteos(libro, "la secuencia", libro.flujo, 10,
                 [&libro](const std::string& s) { return libro.Envolver(s); });
}

void SectoresEnCero(LibroXls& libro) {
  const ContenedorOle2 original(libro.archivo);
  std::vector<std::uint32_t> sectores = original.SectoresFat();
  for (const std::uint32_t s : original.Cadena(original.InicioDirectorio())) sectores.push_back(s);
  for (size_t k = 0; k < 12; ++k) {
    sectores.push_back(static_cast<std::uint32_t>(original.Sectores() * k / 12));
  }
  for (const std::uint32_t s : sectores) {
    libro.AgregarContenedor("sector " + std::to_string(s) + " en cero",
                            [s](ContenedorOle2& c) { c.Borrar(s); });
  }
  libro.Agregar("cabecera en cero", std::string(512, '\0') + libro.archivo.substr(512));
}

// The chains of the container made to loop back, and sizes that lie.
void CadenasEnBucle(LibroXls& libro) {
  const ContenedorOle2 original(libro.archivo);
  const size_t entrada = std::max(original.Entrada(u"Workbook"), original.Entrada(u"Book"));
  const size_t raiz = original.Entrada(u"Root Entry");
  ASSERT_NE(entrada, 0u) << libro.libro;
  const std::uint32_t inicio = original.InicioDe(entrada);
  const bool mini = original.EnMiniFlujo(original.TamanoDe(entrada));
  const std::vector<std::uint32_t> cadena =
      mini ? original.CadenaMini(inicio) : original.Cadena(inicio);
  for (const auto& [que, de] : {std::pair{"vuelve a su comienzo", cadena[cadena.size() / 2]},
                                std::pair{"se sigue a sí misma", cadena.front()}}) {
    libro.AgregarContenedor("la secuencia " + std::string(que), [&](ContenedorOle2& c) {
      mini ? c.EnlazarMini(de, cadena.front()) : c.Enlazar(de, cadena.front());
    });
  }
  for (const auto& [que, comienzo] : {std::pair{"el directorio", original.InicioDirectorio()},
                                      std::pair{"el flujo chico", original.InicioDe(raiz)},
                                      std::pair{"la mini FAT", original.InicioMiniFat()}}) {
    libro.AgregarContenedor(std::string(que) + " vuelve a su comienzo", [&](ContenedorOle2& c) {
      const std::vector<std::uint32_t> d = c.Cadena(comienzo);
      if (!d.empty()) c.Enlazar(d.back(), d.front());
    });
  }
  libro.AgregarContenedor("un sector de la FAT se sigue a sí mismo", [](ContenedorOle2& c) {
    c.Enlazar(c.SectoresFat().front(), c.SectoresFat().front());
  });
  for (const std::uint32_t tamano : {0u, 1u, 0x7FFFFFF0u, 0xFFFFFFFFu}) {
    libro.AgregarContenedor("la secuencia dice medir " + std::to_string(tamano),
                            [&](ContenedorOle2& c) { c.PonerU32(entrada + 0x78, tamano); });
  }
  libro.AgregarContenedor("la secuencia empieza en un sector de la FAT", [&](ContenedorOle2& c) {
    c.PonerU32(entrada + 0x74, c.SectoresFat().front());
  });
}

// Replaces bytes at pos of the first record of a type, an offset among them
// kept as written; false if none fits.
bool PonerEnPrimero(FlujoBiff& f, std::uint16_t tipo, size_t pos, const std::string& bytes) {
  const int i = f.Buscar(tipo);
  if (i < 0 || f.registros[i].datos.size() < pos + bytes.size()) return false;
  f.registros[i].datos.replace(pos, bytes.size(), bytes);
  f.registros[i].destino = -1;
  return true;
}

// Applies a change to every record of a type; false if there is none.
bool EnTodos(FlujoBiff& f, std::uint16_t tipo, const std::function<void(std::string&)>& cambio) {
  for (FlujoBiff::Registro& r : f.registros) {
    if (r.tipo == tipo) cambio(r.datos);
  }
  return f.Buscar(tipo) >= 0;
}

void CuentasFalsas(LibroXls& libro) {
  const std::tuple<const char*, std::uint16_t, size_t, std::string> campos[] = {
      {"SST dice tener 0 textos", biff::kSst, 4, Le32(0)},
      {"SST dice tener 1 textos", biff::kSst, 4, Le32(1)},
      {"SST dice tener 1000000 textos", biff::kSst, 4, Le32(1000000)},
      {"SST dice tener 4294967295 textos", biff::kSst, 4, Le32(0xFFFFFFFFu)},
      {"SST con un texto de 65535 caracteres que no están", biff::kSst, 8, Le16(0xFFFF)},
      {"LABELSST remite a un texto que no existe", biff::kLabelSst, 6, Le32(0xFFFFFFF0u)},
      {"BOUNDSHEET apunta a 0", biff::kBoundSheet, 0, Le32(0)},
      {"BOUNDSHEET apunta a 5", biff::kBoundSheet, 0, Le32(5)},
      {"BOUNDSHEET apunta a 2147483647", biff::kBoundSheet, 0, Le32(0x7FFFFFFFu)},
  };
  for (const auto& [que, tipo, pos, bytes] : campos) {
    libro.AgregarFlujo(que, [&](FlujoBiff& f) { return PonerEnPrimero(f, tipo, pos, bytes); });
  }
  const std::pair<const char*, std::function<void(std::string&)>> celdas[] = {
      {" con la última columna en 0xFFFF",
       [](std::string& d) { d.replace(d.size() - 2, 2, Le16(0xFFFF)); }},
      {" con la última columna antes de la primera",
       [](std::string& d) { d.replace(d.size() - 2, 2, Le16(0)); }},
      {" sin su última celda entera", [](std::string& d) { d.resize(d.size() - 3); }},
      {" desde la columna 65535", [](std::string& d) { d.replace(2, 2, Le16(0xFFFF)); }},
  };
  for (const auto& [nombre, tipo] :
       {std::pair{"MULRK", biff::kMulRk}, std::pair{"MULBLANK", biff::kMulBlank}}) {
    for (const auto& [que, cambio] : celdas) {
      libro.AgregarFlujo(nombre + std::string(que),
                         [tipo, &cambio](FlujoBiff& f) { return EnTodos(f, tipo, cambio); });
    }
  }
  const std::pair<const char*, std::string> dimensiones[] = {
      {"dice 65536 filas por 256 columnas", Le32(0) + Le32(65536) + Le16(0) + Le16(256) + Le16(0)},
      {"con la última fila antes de la primera",
       Le32(0xFFFFFFFFu) + Le32(0) + Le16(0xFFFF) + Le16(0) + Le16(0)},
      {"vacío", ""},
  };
  for (const auto& [que, datos] : dimensiones) {
    libro.AgregarFlujo("DIMENSIONS " + std::string(que), [&datos](FlujoBiff& f) {
      return EnTodos(f, kDimensions, [&datos](std::string& d) { d = datos; });
    });
  }
  libro.AgregarFlujo("falta el registro STRING de una fórmula de texto", [](FlujoBiff& f) {
    const int i = f.Buscar(biff::kString);
    if (i < 0) return false;
    f.registros.erase(f.registros.begin() + i);
    return true;
  });
}

// Changes of the SST and the CONTINUE records that follow it; a change that
// needs those records adds no case for a workbook whose SST has none.
void ContinuacionesCortadas(LibroXls& libro) {
  using Indices = std::vector<int>;
  using Cambio = std::function<void(std::vector<FlujoBiff::Registro>&, int, const Indices&)>;
  // What the change shows, whether it needs CONTINUE records, the change.
  const std::tuple<const char*, bool, Cambio> cambios[] = {
      {"SST sin su último CONTINUE", true,
       [](auto& r, int, const Indices& c) { r.erase(r.begin() + c.back()); }},
      {"SST sin ningún CONTINUE", true,
       [](auto& r, int, const Indices& c) {
         r.erase(r.begin() + c.front(), r.begin() + c.back() + 1);
       }},
      {"el último CONTINUE del SST cortado a la mitad", true,
       [](auto& r, int, const Indices& c) {
         r[c.back()].datos.resize(r[c.back()].datos.size() / 2);
       }},
      {"SST cortado a la mitad antes de sus CONTINUE", false,
       [](auto& r, int sst, const Indices&) { r[sst].datos.resize(r[sst].datos.size() / 2); }},
      {"un CONTINUE suelto antes del SST", false,
       [](auto& r, int sst, const Indices&) {
         r.insert(r.begin() + sst, FlujoBiff::Registro{biff::kContinue, "\x01\x41", -1, -1});
       }},
  };
  for (const auto& [que, con_continuaciones, cambio] : cambios) {
    libro.AgregarFlujo(que, [&](FlujoBiff& f) {
      const int sst = f.Buscar(biff::kSst);
      Indices continuaciones;
      for (size_t i = sst + 1;
           sst >= 0 && i < f.registros.size() && f.registros[i].tipo == biff::kContinue; ++i) {
        continuaciones.push_back(static_cast<int>(i));
      }
      if (sst < 0 || (con_continuaciones && continuaciones.empty())) return false;
      cambio(f.registros, sst, continuaciones);
      return true;
    });
  }
}

// The damaged cases derived from one workbook.
std::vector<Caso> CasosDe(const fs::path& ruta) {
  LibroXls libro(ruta);
  Truncados(libro);
  SectoresEnCero(libro);
  CadenasEnBucle(libro);
  CuentasFalsas(libro);
  ContinuacionesCortadas(libro);
  return std::move(libro.lista);
}

// The damaged cases derived from one .xlsx or .ods workbook: the archive cut
// and overwritten like any file, and each part overwritten, cut in half or
// left out of an archive built again.
std::vector<Caso> CasosZip(const fs::path& ruta) {
  const std::string archivo = Contenido(ruta);
  Casos casos{ruta.filename().string(), {}};
  CortesYVolteos(casos, "el archivo", archivo, 20, std::identity());
  const ZipBuilder::Members partes = ZipBuilder::Read(archivo);
  for (size_t i = 0; i < partes.size(); ++i) {
    ZipBuilder::Members cambiadas = partes;
    cambiadas[i].bytes = Voltear(partes[i].bytes, static_cast<unsigned>(i) + 1);
    casos.Agregar(partes[i].name + " con bytes cambiados", ZipBuilder::With(cambiadas));
    cambiadas[i].bytes = partes[i].bytes.substr(0, partes[i].bytes.size() / 2);
    casos.Agregar(partes[i].name + " cortada a la mitad", ZipBuilder::With(cambiadas));
    cambiadas.erase(cambiadas.begin() + static_cast<long>(i));
    casos.Agregar(partes[i].name + " ausente", ZipBuilder::With(cambiadas));
  }
  return std::move(casos.lista);
}

// Every occurrence of patron in texto replaced by por; a patron that ends
// in '="' is an attribute, replaced with its value up to the closing quote.
std::string Reemplazar(const std::string& texto, std::string_view patron, std::string_view por) {
  const bool atributo = patron.ends_with("=\"");
  std::string salida;
  size_t desde = 0;
  for (size_t en; (en = texto.find(patron, desde)) != std::string::npos;) {
    size_t fin = en + patron.size();
    if (atributo) fin = std::min(texto.find('"', fin) + 1, texto.size());
    salida.append(texto, desde, en - desde).append(por);
    desde = fin;
  }
  return salida.append(texto, desde);
}

// The damaged cases of an .ods workbook: those of any archive, and its
// content.xml changed where the reader decides what a cell holds.
std::vector<Caso> CasosOds(const fs::path& ruta) {
  std::vector<Caso> casos = CasosZip(ruta);
  ZipBuilder::Members partes = ZipBuilder::Read(Contenido(ruta));
  const auto contenido = std::find_if(
      partes.begin(), partes.end(), [](const auto& parte) { return parte.name == "content.xml"; });
  if (contenido == partes.end()) return casos;
  const std::string original = contenido->bytes;
  std::string anidado = "<office:spreadsheet>";
  for (int i = 0; i < 10000; ++i) anidado += "<table:table-row-group>";
  // What the change shows, what it finds, what it puts instead.
  const char* const cambios[][3] = {
      {"filas repetidas 2^31 veces", "<table:table-row ",
       "<table:table-row table:number-rows-repeated=\"2147483648\" "},
      {"celdas repetidas 2^31 veces", "<table:table-cell ",
       "<table:table-cell table:number-columns-repeated=\"2147483648\" "},
      {"celdas con valor repetidas mil veces", "office:value-type=\"float\"",
       "table:number-columns-repeated=\"1000\" office:value-type=\"float\""},
      {"números ilegibles", "office:value=\"", "office:value=\"1,5e\""},
      {"fechas ilegibles", "office:date-value=\"", "office:date-value=\"2004-13-45\""},
      {"tipos cambiados", "office:value-type=\"", "office:value-type=\"date\""},
      {"espacios sin fin", "<text:p>", "<text:p><text:s text:c=\"99999999999999999999\"/>"},
      {"celdas dentro de celdas", "<text:p>",
       "<table:table-row><table:table-cell office:value-type=\"float\" "
       "office:value=\"1\"/></table:table-row><text:p>"},
      {"un DTD con entidades", "<office:document-content ",
       "<!DOCTYPE r [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;\">]>"
       "<office:document-content "},
      {"elementos anidados diez mil niveles", "<office:spreadsheet>", anidado.c_str()},
  };
  for (const auto& [que, patron, por] : cambios) {
    contenido->bytes = Reemplazar(original, patron, por);
    casos.push_back(
        {ruta.filename().string() + ": content.xml con " + que, ZipBuilder::With(partes)});
  }
  return casos;
}

struct Cuenta {
  int leidos = 0, verificados = 0, sin_hojas_o_columnas = 0, rechazados = 0;
};

class ArchivosDanados : public ::testing::Test {
 protected:
  // Reads and verifies one case; every failed expectation names the case.
  void Probar(const Caso& caso, Cuenta* cuenta) {
    SCOPED_TRACE(caso.nombre);
    const fs::path ruta = carpeta_ / "caso.xls", informe = carpeta_ / "informe";
    testing::Guardar(ruta, caso.bytes);
    fs::remove_all(informe);
    const auto comienzo = std::chrono::steady_clock::now();

    Workbook libro;
    const Status leido = WorkbookReader::Read(ruta.string(), &libro);
    const ResultadoVerificacion r = corrida_.Correr(ruta.string(), informe.string());
    EXPECT_LE(std::chrono::steady_clock::now() - comienzo, kTiempoPorCaso);
    const std::vector<std::string>& avisos = corrida_.avisador.avisos;
    if (!leido.ok()) {
      ++cuenta->rechazados;
      EXPECT_TRUE(leido.number() >= 101 && leido.number() <= 111) << leido.number();
      EXPECT_FALSE(leido.description().empty());
      EXPECT_EQ(avisos, std::vector<std::string>{"Error de Apertura: " + leido.description()});
      return;
    }
    ++cuenta->leidos;
    EXPECT_LE(testing::HuellaDeLibro::Bytes(libro),
              testing::HuellaDeLibro::Tope(caso.bytes.size()));
    if (r.estado.ok()) {
      ++cuenta->verificados;
      EXPECT_TRUE(avisos.empty());
      EXPECT_TRUE(fs::exists(informe / "ERRORES.TXT") && fs::exists(informe / "HOJA_1.TXT"));
    } else {
      ++cuenta->sin_hojas_o_columnas;
      EXPECT_TRUE(avisos.size() == 1 && avisos[0].starts_with("Error de Datos: "))
          << ::testing::PrintToString(avisos);
    }
  }

  testing::CarpetaTemporal carpeta_;
  testing::CorridaDePrueba corrida_;
};

TEST_F(ArchivosDanados, EveryDamagedWorkbookReadsAndIsReportedOrIsRefusedWithADescription) {
  const struct {
    const char* formato;
    std::function<std::vector<Caso>(const fs::path&)> casos_de;
  } formatos[] = {{"xls", CasosDe}, {"xlsx", CasosZip}, {"ods", CasosOds}};
  int casos = 0;
  for (const auto& f : formatos) {
    Cuenta cuenta;
    for (const fs::path& libro : LibrosDeOrigen(f.formato)) {
      for (const Caso& caso : f.casos_de(libro)) Probar(caso, &cuenta);
    }
    std::printf(
        "Archivos dañados (%s): %d casos probados; %d leídos (%d con informe completo, %d "
        "rechazados por una hoja o columna faltante), %d rechazados con un error de "
        "apertura descrito.\n",
        f.formato, cuenta.leidos + cuenta.rechazados, cuenta.leidos, cuenta.verificados,
        cuenta.sin_hojas_o_columnas, cuenta.rechazados);
    EXPECT_GT(cuenta.verificados, 0) << f.formato;
    EXPECT_GT(cuenta.rechazados, 0) << f.formato;
    casos += cuenta.leidos + cuenta.rechazados;
  }

  rusage uso{};
  getrusage(RUSAGE_SELF, &uso);
  EXPECT_LT(uso.ru_maxrss, kPicoDeMemoriaKb);
  std::printf("Archivos dañados: %d casos en total. Pico de memoria: %ld MB.\n", casos,
              uso.ru_maxrss / 1024);
  EXPECT_GT(casos, 1000);
}

}  // namespace
}  // namespace kaldoren
