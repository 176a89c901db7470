#include "checks/ControlDATOSDOC.h"

#include <gtest/gtest.h>

namespace kaldoren {
namespace {

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

}  // namespace
}  // namespace kaldoren
