#include "hallazgos/DocumentoHallazgos.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

namespace kaldoren {
namespace {

TEST(DocumentoHallazgos, InvalidUtf8AndControlCharactersStillGiveValidJson) {
  Hallazgo h{"a", "DATOSDOC", 7, "Sexos inválidos", "2004/03", 12.0, "DATOSDOC", 4, {}};
  h.celdas = {{"DATOSDOC!K4", "SEXO", "\"\\<script>\x01\xff\xc3(\xed\xa0\x80", 3, 10},
              {"DATOSDOC!L4", "APENOM", std::nullopt, 3, 11}};
  const std::string texto = DocumentoHallazgos::Texto(
      "A\xff"
      "B.XLS",
      "2024-05-02T14:03:07-03:00", true, {h});
  EXPECT_EQ(texto.find('\n'), std::string::npos) << "one line";
  const nlohmann::json d = nlohmann::json::parse(texto);
  EXPECT_EQ(d["archivo"], std::string("A\xEF\xBF\xBD"
                                      "B.XLS"));
  EXPECT_EQ(d["hallazgos"][0]["orden"].dump(), "12");
  EXPECT_EQ(
      d["hallazgos"][0]["celdas"][0]["valor"],
      std::string("\"\\<script>\x01\xEF\xBF\xBD\xEF\xBF\xBD(\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"));
  EXPECT_TRUE(d["hallazgos"][0]["celdas"][1]["valor"].is_null());
}

}  // namespace
}  // namespace kaldoren
