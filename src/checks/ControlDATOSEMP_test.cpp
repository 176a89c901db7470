#include "checks/ControlDATOSEMP.h"

#include <gtest/gtest.h>

#include "TestData.h"
#include "checks/FilaDePrueba.h"

namespace kaldoren {
namespace {

using namespace kaldoren::testing;

const Campos kFilaCorrecta = {
    {"PERLIQ", T("2004/03")},
    {"KALDOREN", N(1234)},
    {"PROVISORIO", E()},
    {"ESTABLECIMIENTO", T("SAN JOSE")},
    {"DISTRITO", T("la plata")},
    {"NIVEL", T("PRIMARIO")},
    {"EXPEDIENTE", T("25900-1574838/04")},
    {"URBANO", T("x")},
    {"RURAL", N(0)},
    {"RESOLUCION", E()},
    {"DOMICILIO", T("CALLE 7 123")},
    {"LOCALIDAD", T("LA PLATA")},
    {"PROPIETARIO", T("OBISPADO")},
    {"RLEGAL", T("PEREZ JUAN")},
    {"TIPODOCP", T("dni")},
    {"NRODOCP", N(12345678)},
    {"TIPODOCR", T("LE")},
    {"NRODOCR", N(4567890)},
};

// The checks that the row fails: 0 to 10, and none outside them.
std::vector<int> Fallas(const Campos& cambios) {
  ControlDATOSEMP seccion;
  const TableRecordset r = UnaFila(Con(kFilaCorrecta, cambios));
  std::vector<int> fallas;
  for (int i = -1; i <= 11; ++i) {
    if (seccion.Errores(r, i)) fallas.push_back(i);
  }
  return fallas;
}

bool Falla(int check, const Campos& cambios) {
  ControlDATOSEMP seccion;
  return seccion.Errores(UnaFila(Con(kFilaCorrecta, cambios)), check);
}

// A well-filled row passes all eleven checks; an empty one fails every check
// but the file number.
TEST(ControlDATOSEMP, AWellFilledRowPassesAndAnEmptyOneFailsAllButTheFileNumber) {
  EXPECT_EQ(Fallas({}), std::vector<int>{});
  Campos vacios;
  for (const auto& [columna, valor] : kFilaCorrecta) vacios.emplace_back(columna, E());
  EXPECT_EQ(Fallas(vacios), (std::vector<int>{0, 1, 2, 3, 5, 6, 7, 8, 9, 10}));
}

TEST(ControlDATOSEMP, DistrictIsFoundTrimmedAndUpperCasedButNotMisspelled) {
  struct Caso {
    Value distrito;
    bool falla;
  };
  const Caso casos[] = {
      {T(" LA PLATA "), false}, {T("Cañuelas"), false}, {T("CANUELAS"), true},
      {T("LA PLAT"), true},     {T(""), true},          {E(), true},
  };
  for (const Caso& c : casos)
    EXPECT_EQ(Falla(2, {{"DISTRITO", c.distrito}}), c.falla) << c.distrito.TextForm();
}

// Whether the file number check fails for each of the file numbers.
void Expedientes(bool falla, std::initializer_list<Value> expedientes) {
  for (const Value& e : expedientes) EXPECT_EQ(Falla(4, {{"EXPEDIENTE", e}}), falla) << e.text();
}

// The characteristic (its value from 1 to 99999: "025900" is in range), a
// hyphen, the number (trimmed, from 1 to 9999999), a slash and two digits of
// the year; a trailing blank counts in the length.
TEST(ControlDATOSEMP, FileNumberMustHaveCharacteristicNumberAndTwoDigitYear) {
  Expedientes(false, {T("25900-1574838/04"), T("025900-1/04"), T("25900- 15/04")});
  Expedientes(true,
              {T("25900-1574838/2004"), T("-1574838/04"), T("25900-/04"), T("25900/1574838-04"),
               T("259001-1/04"), T("25900-15748380/04"), T("25900-0/04"), T("25900-15a/04"),
               T("25900-1574838/ab"), T("25900-1574838/04 "), T("25900-1574838/4"), T("ñ-ñ/ññ")});
  Expedientes(true, {T("0-1/04"), T("1-ñ/04"), T("  "), T("-"), T("/"), T("-/"), T("a-/b"),
                     T("a-b/"), T("1-2/")});
}

TEST(ControlDATOSEMP, TransferredSchoolsAndSchoolsWithoutNumberLeaveTheFileNumberBlank) {
  for (const double transferido :
       {4000.0, 4500.0, 5010.0, 5096.0, 5115.0, 5123.0, 5232.0, 5299.0}) {
    EXPECT_FALSE(Falla(4, {{"KALDOREN", N(transferido)}, {"EXPEDIENTE", T(" ")}})) << transferido;
    EXPECT_FALSE(Falla(4, {{"KALDOREN", N(transferido)}, {"EXPEDIENTE", E()}})) << transferido;
    EXPECT_TRUE(Falla(4, {{"KALDOREN", N(transferido)}})) << transferido;
  }
  for (const double otro : {3999.0, 5011.0, 5100.0, 1234.0}) {
    EXPECT_TRUE(Falla(4, {{"KALDOREN", N(otro)}, {"EXPEDIENTE", E()}})) << otro;
    EXPECT_FALSE(Falla(4, {{"KALDOREN", N(otro)}})) << otro;
  }
  // Without a school number above zero the file number is not examined.
  for (const Value& kaldoren : {N(0), E(), N(-4500), T("abc")}) {
    EXPECT_FALSE(Falla(4, {{"KALDOREN", kaldoren}, {"EXPEDIENTE", E()}})) << kaldoren.TextForm();
    EXPECT_FALSE(Falla(4, {{"KALDOREN", kaldoren}, {"EXPEDIENTE", T("basura")}}))
        << kaldoren.TextForm();
  }
}

TEST(ControlDATOSEMP, ClassificationIsUrbanWithRuralZeroOrRuralWithResolution) {
  struct Caso {
    Value urbano;
    Value rural;
    Value resolucion;
    bool falla;
  };
  const Caso casos[] = {
      {T("X"), N(0), E(), false},      {T("x"), T("0"), E(), false},
      {T("X"), N(3), E(), true},       {T("X"), E(), E(), true},
      {T(" X"), N(0), E(), true},      {T("X"), T("abc"), E(), true},
      {E(), N(3), T("123/95"), false}, {T("  "), N(3), T("123/95"), false},
      {E(), N(3), E(), true},          {E(), N(3), T(" "), true},
      {E(), N(0), T("123/95"), true},  {T("X"), N(3), T("123/95"), true},
  };
  for (const Caso& c : casos) {
    EXPECT_EQ(Falla(5, {{"URBANO", c.urbano}, {"RURAL", c.rural}, {"RESOLUCION", c.resolucion}}),
              c.falla)
        << c.urbano.TextForm() << " / " << c.rural.TextForm() << " / " << c.resolucion.TextForm();
  }
}

TEST(ControlDATOSEMP, OwnerAndRepresentativeNeedNamesTypesAndNumbers) {
  EXPECT_TRUE(Falla(8, {{"RLEGAL", T(" ")}}));
  EXPECT_TRUE(Falla(8, {{"PROPIETARIO", E()}}));
  EXPECT_TRUE(Falla(9, {{"TIPODOCR", T("XX")}}));
  EXPECT_TRUE(Falla(9, {{"TIPODOCP", E()}}));
  EXPECT_FALSE(Falla(9, {{"TIPODOCP", T(" otros ")}}));
  for (const Value& numero : {N(0), N(-1), E(), T("abc")}) {
    EXPECT_TRUE(Falla(10, {{"NRODOCP", numero}})) << numero.TextForm();
    EXPECT_TRUE(Falla(10, {{"NRODOCR", numero}})) << numero.TextForm();
  }
  EXPECT_FALSE(Falla(10, {{"NRODOCP", T("12.345.678")}}));
}

}  // namespace
}  // namespace kaldoren
