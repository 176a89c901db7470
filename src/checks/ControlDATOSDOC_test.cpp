#include "checks/ControlDATOSDOC.h"

#include <gtest/gtest.h>

#include "TestData.h"
#include "checks/FilaDePrueba.h"

namespace kaldoren {
namespace {

using namespace kaldoren::testing;

TEST(ControlDATOSDOC, TitleQueryAndItemsAreWrittenExactly) {
  ControlDATOSDOC s;
  EXPECT_EQ(s.Titulo(), "DATOS DE DOCENTES (REVISTA Y SALARIO)");
  EXPECT_EQ(s.Agregado_al_titulo(),
            " (Agrupados por Detalle de Inconsistencias, Período Liquidado y\r\n"
            "                                         Nº de Orden)");
  EXPECT_EQ(s.Sql(),
            "SELECT * FROM [DATOSDOC$] WHERE NOT ISNULL(PERLIQ) AND TRIM(PERLIQ)<>'' AND ((NOT "
            "ISNULL(APENOM) AND TRIM(APENOM) <> '') OR NRODOC<>0) ORDER BY PERLIQ, ORDEN;");
  EXPECT_EQ(s.Items(),
            (std::vector<std::string>{
                "Nº de Kaldoren y/o Nº Provisorio no informados o mal informados",
                "Tipo de Liquidación errónea", "Tipos de Documento inválidos o inexistentes",
                "Nros. de Documento no informados", "Nros. de CUIL inválidos o inexistentes",
                "Fechas de nacimiento inválidas", "Sexos inválidos o inexistentes",
                "Apellido y nombres no informados", "Fechas de ingreso inválidas",
                "Fechas de Baja Inválidas", "Licencias S/sueldo mal informadas",
                "Modalidades de Revista inválidas o inexistentes",
                "Funciones no informadas o mal informadas",
                "Categorías no informadas o mal informadas", "Antiguedades incorrectas o dudosas",
                "Remuneraciones C/Aportes o Aportes Personales o Patronales no informados o mal "
                "informados"}));
}

TEST(ControlDATOSDOC, LeyendaLettersThePrintedItemsInOrder) {
  ControlDATOSDOC s;
  const std::vector<std::string> items = s.Items();
  EXPECT_EQ(s.Leyenda(items[2]), "a) Tipos de Documento inválidos o inexistentes");
  EXPECT_EQ(s.Leyenda(items[9]), "b) Fechas de Baja Inválidas");
  EXPECT_EQ(s.Leyenda(items[1]), "c) Tipo de Liquidación errónea");
  EXPECT_EQ(ControlDATOSDOC().Leyenda(items[1]), "a) Tipo de Liquidación errónea");
}

TEST(ControlDATOSDOC, FinalGivesTheAdviceOrTheAllValidLine) {
  ControlDATOSDOC s;
  EXPECT_EQ(
      s.Final(true),
      "\r\n"
      "   Para corregir los errores, verificar las planillas KALDOREN 20 que correspondan. Si se "
      "reporta\r\n"
      "   CATEGORIA NO INFORMADA, es posible que se halla informado en forma numérica. De ser "
      "asi, anteponer\r\n"
      "   a dicho número a letra 'C' para su validación.\r\n");
  EXPECT_EQ(s.Final(false), "   « Se han validado todos los Casos »\r\n");
}

TEST(ControlDATOSDOC, AcomodaCutsTheListIntoPaddedChunksFromIndexOne) {
  ControlDATOSDOC s;
  EXPECT_EQ(s.Acomoda("abcde", 2), (std::vector<std::string>{"", "ab", "cd", "e "}));
  EXPECT_EQ(s.Acomoda("abcd", 2), (std::vector<std::string>{"", "ab", "cd"}));
  EXPECT_EQ(s.Acomoda("", 84), std::vector<std::string>{""});
  EXPECT_EQ(s.Acomoda("añob", 3),
            (std::vector<std::string>{"", "año", "b  "}));                // counts characters
  EXPECT_EQ(s.Acomoda("abc", 0), (std::vector<std::string>{"", "abc"}));  // nothing is lost
}

TEST(ControlDATOSDOC, TwentyTwoOrderNumbersTakeALineAndAContinuation) {
  std::string lista;
  for (int orden = 1; orden <= 22; ++orden)
    lista += " " + std::string(orden < 10 ? "  " : " ") + std::to_string(orden);
  const std::vector<std::string> lineas = ControlDATOSDOC().Acomoda(lista, 84);
  ASSERT_EQ(lineas.size(), 3u);
  EXPECT_EQ(lineas[1], lista.substr(0, 84));
  EXPECT_EQ(lineas[2], "  22" + std::string(80, ' '));
}

TEST(ControlDATOSDOC, ErroresAppliesTheRowRuleOfTheItem) {
  ControlDATOSDOC s;
  const TableRecordset r = UnaFila({{"NRODOC", N(0)}, {"APENOM", T("PEREZ")}, {"SEXO", E()}});
  EXPECT_TRUE(s.Errores(r, 3));
  EXPECT_FALSE(s.Errores(r, 7));
  EXPECT_TRUE(s.Errores(r, 6));
  EXPECT_FALSE(s.Errores(r, 16));
}

}  // namespace
}  // namespace kaldoren
