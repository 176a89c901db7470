#include "hallazgos/CopiaMarcada.h"

#include <xlsxwriter.h>

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <map>
#include <utility>

#include "base/Text.h"
#include "workbook/PooledTextCache.h"

namespace kaldoren {
namespace {

// What a cell of the xlsx format holds at most, in UTF-16 units.
constexpr size_t kMaximoUnidades = 32767;
constexpr std::uint32_t kRojoClaro = 0xFFC7CE;
constexpr int kErrorCopia = 76;
const char* const kTablas[] = {"DATOSEMP$", "PAGOS$", "DATOSDOC$"};
const char* const kTitulos[] = {"Sección", "Ítem", "Texto", "Período", "Orden", "Celda"};
constexpr double kAnchos[] = {16, 6, 70, 12, 8, 18};

bool ValidoEnXml(char32_t c) {
  if (c < 0x20) return c == '\t' || c == '\n' || c == '\r';
  return !(c >= 0xD800 && c <= 0xDFFF) && c != 0xFFFE && c != 0xFFFF;
}

// The notes of the cells that findings name, by sheet row and column.
using Notas = std::map<std::pair<std::uint32_t, std::uint16_t>, std::string>;

std::string Renglon(const Hallazgo& h) {
  std::string renglon = h.seccion;
  if (h.item) renglon += " ítem " + std::to_string(*h.item);
  renglon += ": " + h.texto;
  if (h.periodo) renglon += " (" + *h.periodo + ")";
  return renglon;
}

// Writes one workbook; every format it needs is made once.
class Escritor {
 public:
  explicit Escritor(const std::string& ruta) {
    tmpdir_ = std::filesystem::path(ruta).parent_path().string();
    lxw_workbook_options opciones = {};
    opciones.constant_memory = LXW_TRUE;
    opciones.tmpdir = tmpdir_.empty() ? nullptr : tmpdir_.data();
    libro_ = workbook_new_opt(ruta.c_str(), &opciones);
    if (libro_ == nullptr) return;
    // A plain cell goes without a format: libxlsxwriter looks a format up
    // on every cell it is given with.
    for (int negrita = 0; negrita < 2; ++negrita) {
      for (int fecha = 0; fecha < 2; ++fecha) {
        for (int rojo = 0; rojo < 2; ++rojo) {
          if (negrita || fecha || rojo)
            formatos_[negrita][fecha][rojo] = Formato(negrita, fecha, rojo);
        }
      }
    }
    enlace_ = workbook_get_default_url_format(libro_);
  }

  bool abierto() const { return libro_ != nullptr; }

  void Hallazgos(const std::vector<Hallazgo>& hallazgos) {
    lxw_worksheet* hoja = workbook_add_worksheet(libro_, "HALLAZGOS");
    for (lxw_col_t c = 0; c < std::size(kTitulos); ++c) {
      worksheet_set_column(hoja, c, c, kAnchos[c], nullptr);
      worksheet_write_string(hoja, 0, c, kTitulos[c], formatos_[1][0][0]);
    }
    worksheet_freeze_panes(hoja, 1, 0);
    lxw_row_t fila = 1;
    size_t enlaces = 0;
    for (const Hallazgo& h : hallazgos) {
      Texto(hoja, fila, 0, h.seccion);
      if (h.item) worksheet_write_number(hoja, fila, 1, *h.item, nullptr);
      Texto(hoja, fila, 2, h.texto);
      if (h.periodo) Texto(hoja, fila, 3, *h.periodo);
      if (const double* n = std::get_if<double>(&h.orden)) {
        worksheet_write_number(hoja, fila, 4, *n, nullptr);
      } else if (const std::string* t = std::get_if<std::string>(&h.orden)) {
        Texto(hoja, fila, 4, *t);
      }
      if (!h.celdas.empty()) {
        const std::string& ref = h.celdas.front().ref;
        // Past the links a sheet may hold, the reference is written as text.
        if (++enlaces > LXW_MAX_NUMBER_URLS ||
            worksheet_write_url_opt(
                hoja, fila, 5, ("internal:" + CopiaMarcada::TextoSeguro(ref)).c_str(), enlace_,
                CopiaMarcada::TextoSeguro(ref).c_str(), nullptr) != LXW_NO_ERROR) {
          Texto(hoja, fila, 5, ref);
        }
      }
      ++fila;
    }
  }

  void Datos(const Sheet& hoja, const Notas& notas) {
    lxw_worksheet* w =
        workbook_add_worksheet(libro_, CopiaMarcada::TextoSeguro(hoja.name()).c_str());
    if (w == nullptr || hoja.cells().empty()) return;
    const std::uint32_t encabezado = hoja.cells().front().row;
    worksheet_freeze_panes(w, encabezado + 1, 0);
    const std::vector<Cell>& celdas = hoja.cells();
    auto nota = notas.begin();
    size_t i = 0;
    // Cells and noted places both run by row, then column: merge them.
    while (i < celdas.size() || nota != notas.end()) {
      const bool hay_celda = i < celdas.size();
      const auto lugar = hay_celda ? std::make_pair(celdas[i].row, celdas[i].column) : nota->first;
      const bool marcada = nota != notas.end() && nota->first <= lugar;
      const auto donde = marcada ? nota->first : lugar;
      const Cell* celda = hay_celda && lugar == donde ? &celdas[i] : nullptr;
      Celda(w, hoja, donde, celda, donde.first == encabezado, marcada);
      if (marcada) {
        worksheet_write_comment(w, donde.first, donde.second,
                                CopiaMarcada::TextoSeguro(nota->second).c_str());
        ++nota;
      }
      if (celda != nullptr) ++i;
    }
  }

  Status Cerrar(const std::string& ruta) {
    const lxw_error error = workbook_close(libro_);
    libro_ = nullptr;
    if (error == LXW_NO_ERROR) return Status::Ok();
    return Status::Error(
        kErrorCopia, "No se pudo escribir la copia marcada " + ruta + ": " + lxw_strerror(error));
  }

  ~Escritor() {
    if (libro_ != nullptr) workbook_close(libro_);
  }

 private:
  lxw_format* Formato(bool negrita, bool fecha, bool rojo) {
    lxw_format* f = workbook_add_format(libro_);
    if (negrita) format_set_bold(f);
    if (fecha) format_set_num_format(f, "dd/mm/yyyy");
    if (rojo) {
      format_set_pattern(f, LXW_PATTERN_SOLID);
      format_set_bg_color(f, kRojoClaro);
    }
    return f;
  }

  void Texto(lxw_worksheet* hoja, lxw_row_t fila, lxw_col_t columna, std::string_view texto) {
    worksheet_write_string(hoja, fila, columna, CopiaMarcada::TextoSeguro(texto).c_str(), nullptr);
  }

  void Celda(lxw_worksheet* w, const Sheet& hoja, std::pair<std::uint32_t, std::uint16_t> donde,
             const Cell* celda, bool negrita, bool marcada) {
    const bool fecha = celda != nullptr && celda->kind == CellKind::Date;
    lxw_format* f = formatos_[negrita][fecha][marcada];
    const auto [fila, columna] = donde;
    switch (celda == nullptr ? CellKind::Blank : celda->kind) {
      case CellKind::Number:
      case CellKind::Date:
        worksheet_write_number(w, fila, columna, celda->number, f);
        return;
      case CellKind::Boolean:
        worksheet_write_boolean(w, fila, columna, celda->number != 0, f);
        return;
      case CellKind::Text:
        if (const std::string& texto = seguros_.Of(hoja, *celda); !texto.empty()) {
          worksheet_write_string(w, fila, columna, texto.c_str(), f);
          return;
        }
        break;
      case CellKind::Blank:
      case CellKind::Error:  // an error reads as an empty cell
        break;
    }
    if (negrita || marcada) worksheet_write_blank(w, fila, columna, f);
  }

  lxw_workbook* libro_ = nullptr;
  PooledTextCache seguros_{&CopiaMarcada::TextoSeguro};  // each text made safe
  std::string tmpdir_;
  lxw_format* formatos_[2][2][2] = {};
  lxw_format* enlace_ = nullptr;
};

// "_x0041_" is how the format writes a character by its code, so such a text
// of the workbook keeps its first underscore written that way ("_x005F_").
bool PareceEscape(std::string_view texto, size_t pos) {
  if (texto.substr(pos, 2) != "_x" || pos + 7 > texto.size() || texto[pos + 6] != '_') return false;
  for (size_t i = pos + 2; i < pos + 6; ++i) {
    if (!std::isxdigit(static_cast<unsigned char>(texto[i]))) return false;
  }
  return true;
}

}  // namespace

std::string CopiaMarcada::TextoSeguro(std::string_view utf8) {
  std::string seguro;
  seguro.reserve(utf8.size());
  size_t unidades = 0;
  for (size_t pos = 0; pos < utf8.size();) {
    if (PareceEscape(utf8, pos)) {
      seguro += "_x005F";
      unidades += 6;
    }
    char32_t c = Text::NextCodePoint(utf8, &pos);
    if (c < 0x20 && !ValidoEnXml(c)) continue;
    if (!ValidoEnXml(c)) c = 0xFFFD;
    unidades += c > 0xFFFF ? 2 : 1;
    if (unidades > kMaximoUnidades) break;
    Text::AppendUtf8(&seguro, c);
  }
  return seguro;
}

std::string CopiaMarcada::NombreDeArchivo(const std::string& archivo) {
  return std::filesystem::path(archivo).stem().string() + "_MARCADA.xlsx";
}

Status CopiaMarcada::Escribir(const Workbook& libro, const std::vector<Hallazgo>& hallazgos,
                              const std::string& ruta) {
  std::map<std::string, Notas> notas;  // by sheet name
  for (const Hallazgo& h : hallazgos) {
    for (const CeldaHallazgo& c : h.celdas) {
      std::string& nota = notas[*h.hoja][{c.fila_hoja, c.columna_hoja}];
      nota += (nota.empty() ? "" : "\n") + Renglon(h);
    }
  }
  Escritor escritor(ruta);
  if (!escritor.abierto()) {
    return Status::Error(kErrorCopia, "No se pudo crear la copia marcada " + ruta);
  }
  escritor.Hallazgos(hallazgos);
  for (const char* tabla : kTablas) {
    if (const Sheet* hoja = libro.FindTable(tabla)) escritor.Datos(*hoja, notas[hoja->name()]);
  }
  const Status estado = escritor.Cerrar(ruta);
  if (!estado.ok()) std::remove(ruta.c_str());
  return estado;
}

}  // namespace kaldoren
