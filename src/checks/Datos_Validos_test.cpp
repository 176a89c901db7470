#include "checks/Datos_Validos.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "TestData.h"
#include "base/Text.h"

namespace kaldoren {
namespace {

using namespace kaldoren::testing;

TEST(Datos_Validos, DistrictsAreTheHundredThirtySevenUpperCaseNames) {
  const std::vector<std::string> distritos = Datos_Validos().Distritos();
  ASSERT_EQ(distritos.size(), 137u);
  EXPECT_EQ(distritos.front(), "ADOLFO ALSINA");
  EXPECT_EQ(distritos.back(), "ZARATE");
  size_t mas_largo = 0;
  for (const std::string& d : distritos) {
    EXPECT_EQ(d, Text::Upper(Text::Trim(d)));
    mas_largo = std::max(mas_largo, Text::Length(d));
  }
  EXPECT_EQ(mas_largo, 26u);
  EXPECT_EQ(std::set<std::string>(distritos.begin(), distritos.end()).size(), 137u);
}

TEST(Datos_Validos, DistrictsAreAlphabeticalSaveTheKnownDeviations) {
  // CAMPANA before CAÑUELAS (Ñ sorts after P byte-wise), the CH names after
  // CORONEL SUAREZ, and SALTO before SALLIQUELO.
  const std::vector<std::string> distritos = Datos_Validos().Distritos();
  std::vector<size_t> fuera_de_orden;
  for (size_t i = 1; i < distritos.size(); ++i) {
    if (distritos[i] < distritos[i - 1]) fuera_de_orden.push_back(i);
  }
  EXPECT_EQ(fuera_de_orden, (std::vector<size_t>{18, 28, 112}));
  EXPECT_EQ(distritos[17], "CAÑUELAS");
  EXPECT_EQ(distritos[28], "CHACABUCO");
  EXPECT_EQ(distritos[111], "SALTO");
}

TEST(Datos_Validos, DocumentTypesPairWithTheirDescriptions) {
  const Datos_Validos validos;
  EXPECT_EQ(validos.Tipos_Doc(),
            (std::vector<std::string>{"DNI", "LE", "LC", "CP", "CF", "DNF", "DNM", "OTROS"}));
  const std::vector<std::string> descripciones = validos.T_Tipos_Doc();
  ASSERT_EQ(descripciones.size(), 8u);
  EXPECT_EQ(descripciones[0], "DOCUMENTO NACIONAL DE IDENTIDAD");
  EXPECT_EQ(descripciones[2], "LIBRETA CIVICA");
  EXPECT_EQ(descripciones[6], "DOCUMENTO NACIONAL MASCULINO");
  EXPECT_EQ(descripciones[7], "OTROS TIPOS");
}

TEST(Datos_Validos, SheetTablesCarryTheirDollarSign) {
  EXPECT_EQ(Datos_Validos().Tablas(),
            (std::vector<std::string>{"PAGOS$", "DATOSEMP$", "DATOSDOC$"}));
}

TEST(Datos_Validos, AscanComparesTheTextFormExactly) {
  const Datos_Validos v;
  const std::vector<std::string> tipos = v.Tipos_Doc();
  const std::vector<std::string> distritos = v.Distritos();
  const std::vector<std::string> tablas = v.Tablas();
  struct Caso {
    Value dato;
    const std::vector<std::string>& tabla;
    bool encontrado;
  };
  const Caso casos[] = {
      {T("DNI"), tipos, true},
      {T("dni"), tipos, false},
      {T(" DNI"), tipos, false},
      {T("OTROS"), tipos, true},
      {T("ADOLFO ALSINA"), distritos, true},
      {T("ZARATE"), distritos, true},
      {T("CAÑUELAS"), distritos, true},
      {T("CANUELAS"), distritos, false},
      {T("DATOSDOC$"), tablas, true},
      {T("DATOSDOC"), tablas, false},
      {E(), tipos, false},
      {T(""), tipos, false},
      {T("   "), tipos, false},
  };
  for (const Caso& c : casos) {
    EXPECT_EQ(v.Ascan(c.dato, c.tabla), c.encontrado) << c.dato.TextForm();
  }
}

TEST(Datos_Validos, AscanNeverFindsABlankEvenInATableThatHoldsOne) {
  const Datos_Validos v;
  EXPECT_FALSE(v.Ascan(T(""), {"A", ""}));
  EXPECT_FALSE(v.Ascan(T("  "), {"  "}));
  EXPECT_FALSE(v.Ascan(T("A"), {}));
  EXPECT_TRUE(v.Ascan(N(5), {"4", "5"}));  // a number is looked up by its text form
}

TEST(Datos_Validos, EncuentraLooksUpTheCellTrimmedAndUpperCased) {
  const Datos_Validos v;
  const std::vector<std::string> tipos = v.Tipos_Doc();
  const std::vector<std::string> distritos = v.Distritos();
  EXPECT_TRUE(v.Encuentra(T("  dni "), tipos));
  EXPECT_FALSE(v.Encuentra(T("DU"), tipos));
  EXPECT_FALSE(v.Encuentra(E(), tipos));
  EXPECT_TRUE(v.Encuentra(T("la plata "), distritos));
  EXPECT_TRUE(v.Encuentra(T("cañuelas"), distritos));
  EXPECT_FALSE(v.Encuentra(T("canuelas"), distritos));
  EXPECT_FALSE(v.Encuentra(T("LA  PLATA"), distritos));
}

}  // namespace
}  // namespace kaldoren
