#include "checks/ReglasDocente.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "TestData.h"
#include "base/Calendar.h"
#include "checks/FilaDePrueba.h"

namespace kaldoren {
namespace {

using namespace kaldoren::testing;

// A running post (leaving date before 1900) paid in full in March 2004.
Campos FilaCorrecta() {
  return {{"PERLIQ", T("2004/03")},
          {"ORDEN", N(1)},
          {"KALDOREN", N(1234)},
          {"PROVISORIO", E()},
          {"ORIGINAL", T("X")},
          {"RECTIFICATIVA", E()},
          {"TIPODOC", T("DNI")},
          {"NRODOC", N(12345678)},
          {"CUIL", T("20-12345678-6")},
          {"FECNAC", Dia(1970, 5, 10)},
          {"SEXO", T("M")},
          {"APENOM", T("PEREZ JUAN")},
          {"FINGEMP", Dia(2000, 3, 1)},
          {"FECBAJA", Dia(1899, 12, 30)},
          {"LICS/S", N(0)},
          {"MODREV", T("T")},
          {"FUN", T("D1")},
          {"CATRE", T("C12")},
          {"ANOS", N(3)},
          {"MESES", N(2)},
          {"C_APORTE", N(1000)},
          {"PER_ZOL", N(110)},
          {"PAT_ZOL", N(120)},
          {"OBSERVACIONES", E()}};
}

bool Falla(int item, const Campos& cambios) {
  return ReglasDocente().Falla(UnaFila(Con(FilaCorrecta(), cambios)), item);
}

std::string Describir(const Campos& cambios) {
  std::string texto;
  for (const auto& [columna, valor] : cambios) texto += columna + "=" + valor.TextForm() + " ";
  return texto;
}

struct Caso {
  int item;
  Campos cambios;
  bool falla;
};

void Verificar(const std::vector<Caso>& casos) {
  for (const Caso& c : casos) {
    EXPECT_EQ(Falla(c.item, c.cambios), c.falla)
        << "item " << c.item << ": " << Describir(c.cambios);
  }
}

// The item with only the column changed passes for each of the values given
// to Pasan and fails for each given to Fallan.
void Pasan(int item, const char* columna, std::initializer_list<Value> valores) {
  for (const Value& v : valores)
    EXPECT_FALSE(Falla(item, {{columna, v}})) << columna << "=" << v.TextForm();
}
void Fallan(int item, const char* columna, std::initializer_list<Value> valores) {
  for (const Value& v : valores)
    EXPECT_TRUE(Falla(item, {{columna, v}})) << columna << "=" << v.TextForm();
}

TEST(ReglasDocente, AWellFilledRowPassesAllSixteenItems) {
  const ReglasDocente reglas;
  const TableRecordset r = UnaFila(FilaCorrecta());
  for (int item = 0; item < 16; ++item) EXPECT_FALSE(reglas.Falla(r, item)) << item;
  EXPECT_FALSE(reglas.Falla(UnaFila({}), 16));
  EXPECT_FALSE(reglas.Falla(UnaFila({}), -1));
}

// The rules keep the column positions of the recordset they last read; a
// recordset with its columns elsewhere must not be read through them.
TEST(ReglasDocente, OneRuleObjectFollowsTheColumnsOfEachRecordsetItIsHanded) {
  const ReglasDocente reglas;
  const TableRecordset correcta = UnaFila(FilaCorrecta());
  Campos al_reves = Con(FilaCorrecta(), {{"NRODOC", N(0)}, {"APENOM", T("  ")}});
  std::reverse(al_reves.begin(), al_reves.end());
  const TableRecordset otra = UnaFila(al_reves);
  const TableRecordset copia = correcta;
  for (int vuelta = 0; vuelta < 2; ++vuelta) {
    EXPECT_FALSE(reglas.Falla(correcta, 3)) << vuelta;
    EXPECT_FALSE(reglas.Falla(correcta, 7)) << vuelta;
    EXPECT_TRUE(reglas.Falla(otra, 3)) << vuelta;
    EXPECT_TRUE(reglas.Falla(otra, 7)) << vuelta;
    EXPECT_FALSE(reglas.Falla(copia, 3)) << vuelta;
  }
}

TEST(ReglasDocente, OddCellsInEveryColumnGetAPlainAnswer) {
  const ReglasDocente reglas;
  for (const Value& raro :
       {E(), T(""), T("   "), T("-"), T("--/-"), T("ñ"), N(-1), N(1e300), D(-1)}) {
    Campos campos = FilaCorrecta();
    for (auto& campo : campos) campo.second = raro;
    const TableRecordset r = UnaFila(campos);
    for (int item = 0; item < 16; ++item) EXPECT_NO_THROW(reglas.Falla(r, item)) << item;
    EXPECT_TRUE(reglas.Falla(r, 15)) << raro.TextForm();  // no leaving date, or no amounts
  }
}

TEST(ReglasDocente, IdentityItemsReadMarksTypesNumbersAndNames) {
  Verificar({{0, {{"KALDOREN", N(0)}, {"PROVISORIO", T("P17")}}, false},
             {1, {{"ORIGINAL", E()}, {"RECTIFICATIVA", N(1)}}, false}});
  Fallan(0, "KALDOREN", {E()});
  Fallan(1, "RECTIFICATIVA", {T("X")});
  Fallan(1, "ORIGINAL", {T(" ")});
  Pasan(2, "TIPODOC", {T(" dni ")});
  Fallan(2, "TIPODOC", {T("DU"), E()});
  Pasan(3, "NRODOC", {T("123")});
  Fallan(3, "NRODOC", {N(0), E(), N(-3), T("abc")});
  Pasan(6, "SEXO", {T("f"), T("Masculino"), T("")});  // an empty first character is found
  Fallan(6, "SEXO", {T("X"), T(" M"), E()});
  Fallan(7, "APENOM", {T("  "), E()});
}

TEST(ReglasDocente, LabourCodeCheckDigitFollowsTheWeights) {
  Pasan(4, "CUIL",
        {T("20-12345678-6"),      // S = 148, 11 - 5
         T("27-12345678-0"),      // S = 176, 11 becomes 0
         T("20-00000001-0"),      // S = 12, 10 becomes 0
         T("20-1234567-5"),       // the document number is padded to eight digits
         T("20-12.345.678-6")});  // the middle part is read as a numeric text
  // "20-1234567,8-3": a fraction; rounded to 01234568 its digit would match.
  Fallan(4, "CUIL",
         {T("20-1234567,8-3"), T("20-12345678-5"), T("19-12345678-6"), T("2012345678-6"),
          T("20-123456789-1"), T("20-1234,5-0"), T("20--1234567-0"), T("20-12a45678-6"),
          T("20-12345678/6"), T("20-12345678-6 "), T(" 20-12345678-6"), T("20-ñ-6"), T("20--6"),
          T("20-6"), T("   "), E(), N(20123456786)});
}

TEST(ReglasDocente, BirthAndEntryDatesLieAfter1900AndNotAfterThePeriod) {
  Pasan(5, "FECNAC", {Dia(2004, 3, 15), T("31/03/2004")});
  Fallan(5, "FECNAC", {Dia(2004, 4, 1), Dia(1900, 6, 1), T("abc"), E()});
  Verificar({{5, {{"FECNAC", Dia(2004, 6, 1)}, {"PERLIQ", T("2004/06 SAC")}}, false}});
  Pasan(8, "FINGEMP", {Dia(2004, 3, 31)});
  Fallan(8, "FINGEMP", {Dia(2004, 4, 1), Dia(1900, 1, 1), E()});
}

TEST(ReglasDocente, LeavingDateIsValidNotBeforeEntryAndNotAfterThePeriod) {
  // 1900 or earlier is no leaving date; the day of entry itself is valid.
  Pasan(9, "FECBAJA", {Dia(1899, 12, 31), Dia(1900, 6, 1), Dia(2004, 3, 15), Dia(2000, 3, 1)});
  Fallan(9, "FECBAJA", {Dia(2000, 2, 29), Dia(2004, 4, 1), E(), T("abc")});
  Fallan(9, "FINGEMP", {E()});
  Verificar({{9,
              {{"FECBAJA", D(Calendar::DayCount(2000, 3, 1) + 0.1)},
               {"FINGEMP", D(Calendar::DayCount(2000, 3, 1) + 0.9)}},
              false}});  // the time of day is ignored
}

TEST(ReglasDocente, LeaveDaysRunFromZeroToTheDaysOfTheMonth) {
  Pasan(10, "LICS/S", {N(30), N(31), T("5")});
  Fallan(10, "LICS/S", {N(32), N(-1), E(), T("abc")});
  Verificar({{10, {{"LICS/S", N(30)}, {"PERLIQ", T("2004/02")}}, true},
             {10, {{"LICS/S", N(29)}, {"PERLIQ", T("2004/02")}}, false}});
}

TEST(ReglasDocente, RevistaFunctionCategoryAndSeniorityCodes) {
  Pasan(11, "MODREV", {T("t"), T("Suplente")});
  Fallan(11, "MODREV", {T("X"), E()});
  Pasan(12, "FUN", {T(" D1 "), N(12)});
  Fallan(12, "FUN", {T("D 1"), T("D-1"), T("AÑO"), T("")});
  Fallan(13, "CATRE", {E(), T("C.1")});
  Verificar({{14, {{"ANOS", N(0)}, {"MESES", N(15)}}, false}});
  Fallan(14, "MESES", {N(-1)});
  Fallan(14, "ANOS", {E(), T("abc")});
}

// Item 15 with the given period, leaving date, amounts, leave days and remarks.
Campos Importes(const char* periodo, Value baja, double aporte, double personal, double patronal,
                Value licencia, Value observaciones = E()) {
  return {{"PERLIQ", T(periodo)},
          {"FECBAJA", std::move(baja)},
          {"C_APORTE", N(aporte)},
          {"PER_ZOL", N(personal)},
          {"PAT_ZOL", N(patronal)},
          {"LICS/S", std::move(licencia)},
          {"OBSERVACIONES", std::move(observaciones)}};
}

TEST(ReglasDocente, AmountRuleOnARunningPost) {
  const Value sin_baja = Dia(1899, 12, 31);
  Verificar({
      {15, Importes("2004/03", sin_baja, 1000, 110, 120, N(5)), false},
      {15, Importes("2004/03", sin_baja, 1000, 110, 120, N(30)), true},
      {15, Importes("2004/03", sin_baja, 1000, 110, 120, E()), true},
      {15, Importes("2004/03", sin_baja, 0, 0, 0, N(31)), false},
      {15, Importes("2004/03", sin_baja, 0, 0, 0, N(30)), false},
      {15, Importes("2004/03", sin_baja, 0, 0, 0, N(10)), true},
      {15, Importes("2004/03", sin_baja, 0, 0, 0, N(10), T("Ad Honorem")), false},
      {15, Importes("2004/03", sin_baja, 1000, 110, 120, N(0), T("AD HONOREM")), true},
      {15, Importes("2004/03", sin_baja, 1000, 0, 120, N(0)), true},
      {15, Importes("2004/2", sin_baja, 0, 0, 0, N(28)), false},  // month 2 read from "2"
      {15, Importes("2004/2", sin_baja, 0, 0, 0, N(30)), true},
      {15, Con(Importes("2004/03", sin_baja, 0, 0, 0, N(31)), {{"C_APORTE", E()}}), true},
      {15, Con(Importes("2004/03", sin_baja, 0, 0, 0, N(31)), {{"C_APORTE", T("abc")}}), true},
  });
}

TEST(ReglasDocente, AmountRuleSkipsJanuaryFebruaryAndPostsThatEnded) {
  Verificar({
      {15, Importes("2004/01", Dia(1899, 12, 31), 0, 0, 0, E()), false},
      {15, Importes("2004/02", Dia(1899, 12, 31), 0, 0, 0, N(10)), false},
      {15, Importes("2004/01", E(), 1000, 110, 120, N(0)), true},
      {15, Importes("2004/03", T("abc"), 1000, 110, 120, N(0)), true},
      // Ended before the period, on its first day, or in 1900: not examined.
      {15, Importes("2004/03", Dia(2004, 2, 15), 0, 0, 0, N(0)), false},
      {15, Importes("2004/03", Dia(2004, 3, 1), 0, 0, 0, N(0)), false},
      {15, Importes("2004/03", Dia(1900, 6, 1), 0, 0, 0, N(0)), false},
      {15, Importes("2004/03", Dia(2004, 5, 10), 0, 0, 0, N(0)), false},
      // Ending within the month: unpaid leave excuses it, otherwise the amounts decide.
      {15, Importes("2004/03", Dia(2004, 3, 15), 0, 0, 0, N(5)), false},
      {15, Importes("2004/03", Dia(2004, 3, 15), 0, 0, 0, N(0)), true},
      {15, Importes("2004/03", Dia(2004, 3, 15), 1000, 110, 120, N(0)), false},
      // SAC periods: a post that ended, or one with unpaid leave, is consistent.
      {15, Importes("2004/06 SAC", Dia(2004, 6, 15), 0, 0, 0, N(0)), false},
      {15, Importes("2004/06 sac", Dia(1899, 12, 31), 0, 0, 0, N(5)), false},
      {15, Importes("2004/06 SAC", Dia(1899, 12, 31), 0, 0, 0, N(0)), true},
  });
}

// Regression: the code check walked a trimmed view of a text that had
// already been destroyed (found by the verification fuzzer).
TEST(ReglasDocente, CodeCheckReadsTheWholeTextOfALongCode) {
  Pasan(12, "FUN", {T("  ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789  ")});
  Fallan(12, "FUN", {T("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-")});
  Pasan(13, "CATRE", {N(123456789012345)});
}

}  // namespace
}  // namespace kaldoren
