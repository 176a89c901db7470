// Fuzz target of the query engine: any text is parsed and, when it is a query
// of the dialect, evaluated over a small fixed workbook whose three sheets
// hold every kind of cell (empty, numbers, numeric and other texts, dates,
// booleans, errors, accented and very long texts). A refusal must carry a
// description; a result is walked whole, reading every column the query could
// name, forwards and again from the first and the last record.
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "query/QueryEngine.h"
#include "workbook/Workbook.h"

namespace {

using kaldoren::Sheet;
using kaldoren::Value;
using kaldoren::Workbook;

void Fila(Sheet& hoja, std::uint32_t fila, const std::vector<Value>& valores) {
  for (std::size_t c = 0; c < valores.size(); ++c) {
    const auto columna = static_cast<std::uint16_t>(c);
    const Value& v = valores[c];
    if (v.IsNumber()) hoja.AddNumber(fila, columna, v.number());
    if (v.IsDate()) hoja.AddDate(fila, columna, v.number());
    if (v.IsText()) hoja.AddText(fila, columna, v.text());
  }
}

Value N(double x) { return Value::Number(x); }
Value T(std::string s) { return Value::Text(std::move(s)); }
Value D(double x) { return Value::Date(x); }
Value E() { return Value(); }

void Docentes(Sheet& hoja) {
  Fila(hoja, 0,
       {T("PERLIQ"), T("ORDEN"), T("APENOM"), T("NRODOC"), T("FECBAJA"), T("C_APORTE"),
        T("PER_ZOL"), T("PAT_ZOL"), T("SEXO"), E(), T("perliq")});
  Fila(hoja, 1,
       {T("2004/01"), N(1), T("Pérez, Ana"), N(20123456), D(0), N(1000.5), N(140.07), N(160.08),
        T("F")});
  Fila(hoja, 2,
       {T("2004/01"), N(2), T("  "), N(0), D(38200), T("1.000,50"), T("abc"), E(), T("m")});
  Fila(hoja, 3,
       {T("2004/12 SAC"), N(1), T("Ñandú Öste"), T("20123456"), T("31/12/2004"), N(-1e300),
        N(1e-300), N(0), E(), N(7), T("x")});
  Fila(hoja, 4, {N(200401), T("3"), E(), N(-5), N(2958465), N(0.005), N(-0.005), N(1e15)});
  Fila(hoja, 5, {E(), N(4), T("sin período"), N(1), D(-700000), E(), N(3), N(4)});
  Fila(hoja, 6, {T(""), N(999), T(std::string(300, 'x')), N(2e9), T("1/1/30"), N(1), N(2), N(3)});
  Fila(hoja, 7, {T("2004/02"), N(1000), T("Ana"), N(1), T("15-ene-2004 10:20"), N(1), N(1), N(1)});
  hoja.AddBoolean(8, 0, true);
  hoja.AddError(8, 1, 0x07);
  hoja.AddBlank(8, 2);
  hoja.AddNumber(9, 3, std::numeric_limits<double>::max());
  hoja.AddText(10, 0, "2004/02");
  hoja.AddNumber(10, 1, 2);
}

void Empleador(Sheet& hoja) {
  Fila(hoja, 0, {T("PERLIQ"), T("KALDOREN"), T("DISTRITO"), T("NOMBRE"), T("PROVISORIO")});
  Fila(hoja, 1, {T("2004/01"), N(2743), T("Cañuelas"), T("Instituto"), E()});
  Fila(hoja, 2, {T("2004/02"), T("2743"), T("CAÑUELAS "), E(), N(0)});
  Fila(hoja, 3, {D(38000), N(-1), E(), T("'; DROP"), T("SI")});
}

void Pagos(Sheet& hoja) {
  Fila(hoja, 0, {T("PERLIQ"), T("FECVTO"), T("FECPAGO"), T("PAGO"), T("KALDOREN")});
  Fila(hoja, 1, {T("2004/03"), D(38070), D(38069), N(500), N(2743)});
  Fila(hoja, 2, {T("2004/03"), D(38070), D(38075), N(250.25), N(2743)});
  Fila(hoja, 3, {T("2004/03"), D(38070), D(38069), T("100"), E()});
  Fila(hoja, 4, {T("2004/04"), T("10/05/2004"), E(), T("no"), N(1)});
  Fila(hoja, 5, {T("2004/05"), N(38100), D(38101), N(-0.0), T("x")});
}

const Workbook& Libro() {
  static const Workbook* libro = [] {
    auto* w = new Workbook();
    Docentes(w->AddSheet("DATOSDOC"));
    Empleador(w->AddSheet("DATOSEMP"));
    Pagos(w->AddSheet("PAGOS"));
    for (const auto& hoja : w->sheets()) hoja->Finish();
    return w;
  }();
  return *libro;
}

// The words of the query, as the names of columns it may select or alias.
std::vector<std::string> Palabras(std::string_view sql) {
  std::vector<std::string> palabras(1);
  for (const char c : sql) {
    if (std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '$') {
      palabras.back() += c;
    } else if (!palabras.back().empty() && palabras.size() < 32) {
      palabras.emplace_back();
    }
  }
  return palabras;
}

void Recorrer(kaldoren::Recordset& r, const std::vector<std::string>& nombres) {
  long vistos = 0;
  for (r.MoveFirst(); !r.Eof(); r.MoveNext()) {
    for (const std::string& n : nombres) r.Field(n).TextForm();
    ++vistos;
  }
  if (vistos != r.RecordCount()) std::abort();
  r.MoveLast();
  if (vistos > 0 && r.Eof()) std::abort();
  r.MoveNext();
  if (!r.Eof()) std::abort();
  if (!r.Field("PERLIQ").IsEmpty()) std::abort();  // no current record
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view sql(reinterpret_cast<const char*>(data), size);
  std::unique_ptr<kaldoren::Recordset> resultado;
  const kaldoren::Status estado = kaldoren::QueryEngine::Run(Libro(), sql, &resultado);
  if (!estado.ok()) {
    if (estado.description().empty() || resultado) std::abort();
    return 0;
  }
  if (!resultado) std::abort();
  Recorrer(*resultado, Palabras(sql));
  return 0;
}
