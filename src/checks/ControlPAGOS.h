// ControlPAGOS: the report section "PAGOS". It checks every row of the
// payments sheet PAGOS$ that carries a period against four rules: the
// school's identification, the due date, and whether payment date and amount
// go together. Errores answers true when the current row breaks rule i, 0 to
// 3; the message of the rule is element i of Items.
//
// Rule 3 completes its message with the payment date (or "(NULA)"): Errores
// keeps that text in Complemento and Leyenda appends it. Complemento is reset
// by every Errores call, so it always belongs to the latest one, the failure
// the run is about to write.
//
// Years are compared strictly around 1900: a date before 1900 (30/12/1899)
// stands for a date not given, a date after 1900 is a real one, and the year
// 1900 itself is neither.
#pragma once

#include <string>
#include <vector>

#include "app/SeccionControl.h"
#include "checks/ERRORES_VARIOS.h"

namespace kaldoren {

class ControlPAGOS final : public SeccionControl {
 public:
  std::string Titulo() override;
  std::string Agregado_al_titulo() override;
  std::string Sql() override;
  bool Errores(const Recordset& r, int i) override;
  std::vector<std::string> Items() override;
  std::string Leyenda(const std::string& dato) override;
  std::string Final(bool condi) override;
  std::string Hoja() const override { return "PAGOS"; }
  std::span<const std::string_view> Columnas(int i) const override;

 private:
  // Due date missing, invalid or before 1900.
  bool Error_Vencimiento(const Value& fecvto) const;
  // Payment date missing or invalid, amount missing, or an amount paid on a
  // date before 1900.
  bool Error_Pago(const Value& fecpago, const Value& pago) const;
  // Amount missing, or nothing paid on a real date; sets Complemento.
  bool Error_Importe(const Value& fecpago, const Value& pago);

  ERRORES_VARIOS varios_;
  std::string complemento_;
};

}  // namespace kaldoren
