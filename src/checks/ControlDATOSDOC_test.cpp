#include "checks/ControlDATOSDOC.h"

#include <gtest/gtest.h>

#include "TestData.h"
#include "checks/FilaDePrueba.h"

namespace kaldoren {
namespace {

using namespace kaldoren::testing;

TEST(ControlDATOSDOC, LeyendaLettersThePrintedItemsInOrder) {
  ControlDATOSDOC s;
  const std::vector<std::string> items = s.Items();
  EXPECT_EQ(s.Leyenda(items[2]), "a) Tipos de Documento inválidos o inexistentes");
  EXPECT_EQ(s.Leyenda(items[9]), "b) Fechas de Baja Inválidas");
  EXPECT_EQ(s.Leyenda(items[1]), "c) Tipo de Liquidación errónea");
  EXPECT_EQ(ControlDATOSDOC().Leyenda(items[1]), "a) Tipo de Liquidación errónea");
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
