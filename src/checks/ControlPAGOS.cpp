#include "checks/ControlPAGOS.h"

#include "checks/Comparacion.h"
#include "checks/TextosControl.h"

namespace kaldoren {

std::string ControlPAGOS::Titulo() { return "PAGOS"; }

std::string ControlPAGOS::Agregado_al_titulo() {
  return std::string(TextosControl::kAgrupadosPorPeriodo);
}

std::string ControlPAGOS::Sql() {
  return "SELECT * FROM [PAGOS$] WHERE NOT ISNULL(PERLIQ) AND TRIM(PERLIQ)<>'';";
}

// The columns each check below reads, by check number.
std::span<const std::string_view> ControlPAGOS::Columnas(int i) const {
  static const std::vector<std::string_view> kColumnas[] = {
      {"KALDOREN", "PROVISORIO"}, {"FECVTO"}, {"FECPAGO", "PAGO"}, {"FECPAGO", "PAGO"}};
  if (i < 0 || static_cast<size_t>(i) >= std::size(kColumnas)) return {};
  return kColumnas[i];
}

bool ControlPAGOS::Errores(const Recordset& r, int i) {
  complemento_.clear();
  switch (i) {
    case 0:
      return varios_.Error_Kaldoren(r.Field("KALDOREN"), r.Field("PROVISORIO"));
    case 1:
      return Error_Vencimiento(r.Field("FECVTO"));
    case 2:
      return Error_Pago(r.Field("FECPAGO"), r.Field("PAGO"));
    case 3:
      return Error_Importe(r.Field("FECPAGO"), r.Field("PAGO"));
    default:
      return false;
  }
}

std::vector<std::string> ControlPAGOS::Items() {
  return {std::string(TextosControl::kItemKaldoren), "Fecha de Vencimiento inválida o inexistente",
          "No se consignó la fecha de pago, fecha de pago inválida o importe inválido",
          "No se consignó el Importe del Pago de fecha "};
}

std::string ControlPAGOS::Leyenda(const std::string& dato) { return dato + complemento_; }

std::string ControlPAGOS::Final(bool condi) {
  return TextosControl::Cierre(
      condi, "   Para corregir los errores, verificar los datos consignados en la LIBRO_TARVENA.");
}

bool ControlPAGOS::Error_Vencimiento(const Value& fecvto) const {
  const std::optional<CivilDate> vencimiento = varios_.Fecha(fecvto);
  return !vencimiento || vencimiento->year < 1900;
}

// A PAGO that does not read as a number counts as not given, like an empty one.
bool ControlPAGOS::Error_Pago(const Value& fecpago, const Value& pago) const {
  const std::optional<CivilDate> fecha = varios_.Fecha(fecpago);
  const std::optional<double> importe = Comparacion::Numero(pago);
  if (!fecha || !importe) return true;
  return fecha->year < 1900 && *importe > 0;
}

bool ControlPAGOS::Error_Importe(const Value& fecpago, const Value& pago) {
  const std::optional<CivilDate> fecha = varios_.Fecha(fecpago);
  if (!fecha) {
    complemento_ = "(NULA)";
    return true;
  }
  complemento_ = fecpago.TextForm();
  const std::optional<double> importe = Comparacion::Numero(pago);
  if (!importe) return true;
  return fecha->year > 1900 && *importe <= 0;
}

}  // namespace kaldoren
