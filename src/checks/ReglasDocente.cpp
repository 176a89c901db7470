#include "checks/ReglasDocente.h"

#include <array>
#include <cstdio>
#include <tuple>

#include "base/Regional.h"
#include "base/Text.h"
#include "checks/Comparacion.h"

namespace kaldoren {
namespace {

// Characters 1 to 7 of the period: its year, "/" and month.
std::string MesDelPeriodo(std::string_view periodo) { return Text::Mid(periodo, 0, 7); }

// The month of the period as a number, read from its characters 6 and 7.
double NumeroDeMes(std::string_view periodo) {
  return Regional::LeadingNumber(Text::Mid(periodo, 5, 2));
}

// "2004/03": compared as text with the period month, it orders by time.
// Written digit by digit for the four-digit years of every real date, since
// it runs for several items of every row and snprintf was a tenth of a run.
std::string AnioMes(const CivilDate& fecha) {
  if (fecha.year < 0 || fecha.year > 9999) {
    char texto[24];
    std::snprintf(texto, sizeof texto, "%04d/%02d", fecha.year, fecha.month);
    return texto;
  }
  const auto digito = [](int n) { return static_cast<char>('0' + n % 10); };
  return {digito(fecha.year / 1000),
          digito(fecha.year / 100),
          digito(fecha.year / 10),
          digito(fecha.year),
          '/',
          digito(fecha.month / 10),
          digito(fecha.month)};
}

bool Anterior(const CivilDate& a, const CivilDate& b) {
  return std::tie(a.year, a.month, a.day) < std::tie(b.year, b.month, b.day);
}

// Date-in-period test: a valid date after 1900 in the period's month or before.
bool EnPeriodo(const std::optional<CivilDate>& fecha, std::string_view periodo) {
  return fecha && fecha->year > 1900 && AnioMes(*fecha) <= MesDelPeriodo(periodo);
}

bool DiceHonorem(const Value& observaciones) {
  return !observaciones.IsEmpty() &&
         Text::Upper(observaciones.TextForm()).find("HONOREM") != std::string::npos;
}

// Check digit of the labour code: the prefix in two digits (20 to 99) and the
// document number in eight (up to 99999999), weighted by 5432765432, summed;
// 11 minus the remainder modulo 11, where 10 and 11 become 0.
int DigitoVerificador(int prefijo, long documento) {
  static constexpr int kPesos[10] = {5, 4, 3, 2, 7, 6, 5, 4, 3, 2};
  long numero = prefijo * 100000000L + documento;
  int suma = 0;
  for (int k = 9; k >= 0; --k, numero /= 10) suma += static_cast<int>(numero % 10) * kPesos[k];
  const int digito = 11 - suma % 11;
  return digito >= 10 ? 0 : digito;
}

bool EsDigito(char c) { return c >= '0' && c <= '9'; }

}  // namespace

ReglasDocente::ReglasDocente() : tipos_doc_(validos_.Tipos_Doc()) {}

const Value& ReglasDocente::Celda(const Recordset& r, Columna columna) const {
  static constexpr std::array<std::string_view, kColumnas> kNombres = {
      "PERLIQ",  "KALDOREN", "PROVISORIO", "ORIGINAL", "RECTIFICATIVA", "TIPODOC",
      "NRODOC",  "CUIL",     "APENOM",     "FECNAC",   "SEXO",          "FINGEMP",
      "FECBAJA", "LICS/S",   "MODREV",     "FUN",      "CATRE",         "ANOS",
      "MESES",   "C_APORTE", "PER_ZOL",    "PAT_ZOL",  "OBSERVACIONES"};
  if (r.Serial() != posiciones_de_) {
    for (size_t c = 0; c < kColumnas; ++c) posiciones_[c] = r.Position(kNombres[c]);
    posiciones_de_ = r.Serial();
  }
  return r.FieldAt(posiciones_[columna]);
}

std::string ReglasDocente::Periodo(const Recordset& r) const { return Celda(r, PERLIQ).TextForm(); }

// The columns each rule below reads, by item.
std::span<const std::string_view> ReglasDocente::Columnas(int item) {
  static const std::vector<std::string_view> kColumnas[] = {
      {"KALDOREN", "PROVISORIO"},
      {"ORIGINAL", "RECTIFICATIVA"},
      {"TIPODOC"},
      {"NRODOC"},
      {"CUIL"},
      {"FECNAC", "PERLIQ"},
      {"SEXO"},
      {"APENOM"},
      {"FINGEMP", "PERLIQ"},
      {"FECBAJA", "FINGEMP", "PERLIQ"},
      {"LICS/S", "PERLIQ"},
      {"MODREV"},
      {"FUN"},
      {"CATRE"},
      {"ANOS", "MESES"},
      {"C_APORTE", "PER_ZOL", "PAT_ZOL", "LICS/S", "FECBAJA", "OBSERVACIONES", "PERLIQ"}};
  if (item < 0 || static_cast<size_t>(item) >= std::size(kColumnas)) return {};
  return kColumnas[item];
}

bool ReglasDocente::Falla(const Recordset& r, int item) const {
  switch (item) {
    case 0:
      return varios_.Error_Kaldoren(Celda(r, KALDOREN), Celda(r, PROVISORIO));
    case 1:
      return !MarcaUnica(Celda(r, ORIGINAL), Celda(r, RECTIFICATIVA));
    case 2:
      return !validos_.Encuentra(Celda(r, TIPODOC), tipos_doc_);
    case 3:
      return !Comparacion::Mayor(Celda(r, NRODOC), 0);
    case 4:
      return !CuilValido(Celda(r, CUIL));
    case 5:
      return !EnPeriodo(varios_.Fecha(Celda(r, FECNAC)), Periodo(r));
    case 6:
      return !PrimeraLetraEn(Celda(r, SEXO), "MF");
    case 7:
      return Celda(r, APENOM).IsBlank();
    case 8:
      return !EnPeriodo(varios_.Fecha(Celda(r, FINGEMP)), Periodo(r));
    case 9:
      return BajaInvalida(r);
    case 10:
      return !LicenciaValida(Celda(r, LICS_S), Periodo(r), 0);
    case 11:
      return !PrimeraLetraEn(Celda(r, MODREV), "TPS");
    case 12:
      return !CodigoValido(Celda(r, FUN));
    case 13:
      return !CodigoValido(Celda(r, CATRE));
    case 14:
      return !AntiguedadValida(Celda(r, ANOS), Celda(r, MESES));
    case 15:
      return !ImportesCoherentes(r);
    default:
      return false;
  }
}

bool ReglasDocente::MarcaUnica(const Value& original, const Value& rectificativa) {
  return original.IsBlank() != rectificativa.IsBlank();
}

bool ReglasDocente::CuilValido(const Value& cuil) {
  if (cuil.IsBlank()) return false;
  const std::string texto = cuil.TextForm();
  // A code shorter than 5 characters has no room for its middle part. Any
  // character outside ASCII fails one of the steps below wherever it stands,
  // so positions may be counted in bytes.
  const size_t n = texto.size();
  if (n < 5) return false;
  for (const char c : texto) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  const double prefijo = Regional::LeadingNumber(std::string_view(texto).substr(0, 2));
  if (prefijo < 20 || texto[2] != '-') return false;
  // The middle part is the document number: a whole number of up to 8 digits
  // (rounding a fraction would check the digit of another person's number).
  double documento = 0;
  if (!Regional::ParseNumber(std::string_view(texto).substr(3, n - 5), &documento)) return false;
  if (documento < 0 || documento > 99999999 || documento != static_cast<long>(documento)) {
    return false;
  }
  if (texto[n - 2] != '-' || !EsDigito(texto[n - 1])) return false;
  return DigitoVerificador(static_cast<int>(prefijo), static_cast<long>(documento)) ==
         texto[n - 1] - '0';
}

bool ReglasDocente::PrimeraLetraEn(const Value& celda, std::string_view letras) {
  if (celda.IsEmpty()) return false;
  const std::string texto = celda.TextForm();
  if (texto.empty()) return true;  // an empty first character counts as found
  char primera = texto[0];
  if (primera >= 'a' && primera <= 'z') primera = static_cast<char>(primera - 'a' + 'A');
  return letras.find(primera) != std::string_view::npos;
}

// Letters are accepted in either case, since the code is upper-cased before
// the test; bytes of accented letters (Ñ) fail.
bool ReglasDocente::CodigoValido(const Value& celda) {
  if (celda.IsBlank()) return false;
  // The text must outlive the loop: Trim answers a view into it.
  const std::string texto = celda.TextForm();
  for (const char c : Text::Trim(texto)) {
    if (!EsDigito(c) && !(c >= 'A' && c <= 'Z') && !(c >= 'a' && c <= 'z')) return false;
  }
  return true;
}

bool ReglasDocente::AntiguedadValida(const Value& anos, const Value& meses) {
  return Comparacion::MayorOIgual(anos, 0) && Comparacion::MayorOIgual(meses, 0);
}

// Leap years are not told apart: February allows 29 days.
bool ReglasDocente::LicenciaValida(const Value& dias, std::string_view periodo, double minimo) {
  const std::optional<double> d = Comparacion::Numero(dias);
  if (!d) return false;
  const double limite = NumeroDeMes(periodo) == 2 ? 29 : 31;
  return *d <= limite && *d >= minimo;
}

bool ReglasDocente::BajaInvalida(const Recordset& r) const {
  const std::optional<CivilDate> baja = varios_.Fecha(Celda(r, FECBAJA));
  const std::optional<CivilDate> ingreso = varios_.Fecha(Celda(r, FINGEMP));
  if (!baja || !ingreso) return true;
  if (baja->year <= 1900) return false;  // the post has not ended
  return Anterior(*baja, *ingreso) || !EnPeriodo(baja, Periodo(r));
}

bool ReglasDocente::ImportesCoherentes(const Recordset& r) const {
  const std::optional<CivilDate> baja = varios_.Fecha(Celda(r, FECBAJA));
  if (!baja) return false;
  const std::string periodo = Periodo(r);
  const std::string mes = Text::Mid(periodo, 5, 2);
  if (mes == "01" || mes == "02") return true;  // January and February are not examined
  const bool dejo_el_cargo = EnPeriodo(baja, periodo);
  const bool sac = Text::Upper(periodo).find("SAC") != std::string::npos;
  if ((sac && dejo_el_cargo) ||
      ((sac || dejo_el_cargo) && LicenciaValida(Celda(r, LICS_S), periodo, 1))) {
    return true;
  }
  // Only running posts, and posts that end within the month after its first
  // day, are examined further.
  const bool termina_en_el_mes = AnioMes(*baja) == MesDelPeriodo(periodo) && baja->day != 1;
  if (!termina_en_el_mes && baja->year >= 1900) return true;
  return ImportesDelMesCoherentes(r, periodo);
}

// A paid month, a whole month of unpaid leave, or an ad honorem post. Every
// comparison with an empty or non-numeric cell is unsatisfied.
bool ReglasDocente::ImportesDelMesCoherentes(const Recordset& r, std::string_view periodo) const {
  const Value& aporte = Celda(r, C_APORTE);
  const Value& personal = Celda(r, PER_ZOL);
  const Value& patronal = Celda(r, PAT_ZOL);
  const bool honorem = DiceHonorem(Celda(r, OBSERVACIONES));
  const std::optional<double> licencia = Comparacion::Numero(Celda(r, LICS_S));
  const bool febrero = NumeroDeMes(periodo) == 2;
  const double mes_corto = febrero ? 28 : 30;
  const double mes_largo = febrero ? 29 : 31;

  if (Comparacion::Mayor(aporte, 0) && Comparacion::Mayor(personal, 0) &&
      Comparacion::Mayor(patronal, 0)) {
    return !honorem && licencia && *licencia >= 0 && *licencia < mes_corto;
  }
  if (!Comparacion::Igual(aporte, 0) || !Comparacion::Igual(personal, 0) ||
      !Comparacion::Igual(patronal, 0)) {
    return false;
  }
  return honorem || (licencia && (*licencia == mes_corto || *licencia == mes_largo));
}

}  // namespace kaldoren
