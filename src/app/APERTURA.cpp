#include "app/APERTURA.h"

#include <vector>

#include "app/ColumnasRequeridas.h"
#include "base/Text.h"
#include "checks/Datos_Validos.h"
#include "query/QueryEngine.h"
#include "query/TableRecordset.h"
#include "workbook/WorkbookReader.h"

namespace kaldoren {
namespace {

const char kTituloApertura[] = "Error de Apertura";
const char kTituloDatos[] = "Error de Datos";
const char kFormatoRequerido[] = "El Archivo Seleccionado no tiene el formato requerido";

// Error number of the run for a workbook that lacks a sheet or a column.
constexpr int kErrorFormato = 3274;

std::unique_ptr<Recordset> RecordsetVacio() {
  return std::make_unique<TableRecordset>(std::vector<std::string>(),
                                          std::vector<std::vector<Value>>());
}

}  // namespace

APERTURA::APERTURA(Avisador& avisador) : avisador_(avisador), reg_(RecordsetVacio()) {}

APERTURA::~APERTURA() { CerrarBase(); }

void APERTURA::BaseActivaJet(const std::string& db) {
  CerrarBase();
  auto libro = std::make_unique<Workbook>();
  const Status estado = WorkbookReader::Read(db, libro.get());
  error_numero_ = estado.number();
  error_descripcion_ = estado.description();
  if (estado.ok()) base_ = std::move(libro);
}

void APERTURA::BaseActivaLibro(std::unique_ptr<Workbook> libro) {
  CerrarBase();
  error_numero_ = 0;
  error_descripcion_.clear();
  base_ = std::move(libro);
}

Status APERTURA::TablaActiva(const std::string& tabla) {
  CerrarTabla();
  if (!base_) return Status::Error(kErrorFormato, "No hay un libro abierto");
  std::unique_ptr<Recordset> resultado;
  const Status estado = QueryEngine::Run(*base_, tabla, &resultado);
  if (estado.ok()) reg_ = std::move(resultado);
  return estado;
}

bool APERTURA::Apertura_Ok() {
  problema_ = Status::Ok();
  titulo_problema_.clear();
  mensaje_problema_.clear();
  if (error_numero_ != 0) {
    return Avisar(false, error_descripcion_, kTituloApertura);
  }
  if (!Avisar(FormatoValido(), kFormatoRequerido, kTituloDatos)) return false;
  const std::string faltante = ColumnaFaltante();
  return Avisar(faltante.empty(), faltante, kTituloDatos);
}

void APERTURA::CerrarTabla() { reg_ = RecordsetVacio(); }

// The recordset reads the workbook's sheets, so it is closed with it.
void APERTURA::CerrarBase() {
  CerrarTabla();
  base_.reset();
}

bool APERTURA::FormatoValido() const {
  if (!base_) return false;
  const std::vector<std::string> tablas = Datos_Validos().Tablas();
  const int tope = static_cast<int>(tablas.size()) - 1;
  const std::vector<std::string> nombres = base_->TableNames();
  int encontradas = -1;
  for (size_t i = 0; i < nombres.size() && encontradas < tope; ++i) {
    if (Datos_Validos().Ascan(Value::Text(Text::Upper(nombres[i])), tablas)) ++encontradas;
  }
  return encontradas == tope;
}

std::string APERTURA::ColumnaFaltante() const {
  for (const ColumnasRequeridas::Hoja& hoja : ColumnasRequeridas::Hojas()) {
    const Sheet* sheet = base_->FindTable(hoja.tabla);
    for (const std::string& columna : hoja.columnas) {
      if (sheet == nullptr || sheet->FindColumn(columna) < 0) {
        return "La hoja " + hoja.tabla + " no tiene la columna " + columna;
      }
    }
  }
  return std::string();
}

bool APERTURA::Avisar(bool condicion, const std::string& mensaje, const std::string& titulo) {
  if (!condicion) {
    problema_ =
        Status::Error(error_numero_ != 0 ? error_numero_ : kErrorFormato, titulo + ": " + mensaje);
    titulo_problema_ = titulo;
    mensaje_problema_ = mensaje;
    avisador_.Mensaje(mensaje, titulo, Icono::Critico);
  }
  return condicion;
}

}  // namespace kaldoren
