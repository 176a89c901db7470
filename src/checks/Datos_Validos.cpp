#include "checks/Datos_Validos.h"

#include <algorithm>
#include <string_view>

#include "base/Text.h"

namespace kaldoren {

std::vector<std::string> Datos_Validos::Distritos() const {
  return {"ADOLFO ALSINA",
          "ALBERTI",
          "ALMIRANTE BROWN",
          "AVELLANEDA",
          "AYACUCHO",
          "AZUL",
          "BAHIA BLANCA",
          "BALCARCE",
          "BARADERO",
          "BARTOLOME MITRE",
          "BENITO JUAREZ",
          "BERAZATEGUI",
          "BERISSO",
          "BOLIVAR",
          "BRAGADO",
          "BRANDSEN",
          "CAMPANA",
          "CAÑUELAS",
          "CAPITAN SARMIENTO",
          "CARLOS CASARES",
          "CARLOS TEJEDOR",
          "CARMEN DE ARECO",
          "CASTELLI",
          "COLON",
          "CORONEL DORREGO",
          "CORONEL PRINGLES",
          "CORONEL ROSALES",
          "CORONEL SUAREZ",
          "CHACABUCO",
          "CHASCOMUS",
          "CHIVILCOY",
          "DAIREAUX",
          "DOLORES",
          "ENSENADA",
          "ESCOBAR",
          "ESTEBAN ECHEVERRIA",
          "EXALTACION DE LA CRUZ",
          "EZEIZA",
          "FLORENCIO VARELA",
          "FLORENTINO AMEGHINO",
          "GENERAL ALVARADO",
          "GENERAL ALVEAR",
          "GENERAL ARENALES",
          "GENERAL BELGRANO",
          "GENERAL GUIDO",
          "GENERAL LAMADRID",
          "GENERAL LAS HERAS",
          "GENERAL LAVALLE",
          "GENERAL MADARIAGA",
          "GENERAL PAZ",
          "GENERAL PINTO",
          "GENERAL PUEYRREDON",
          "GENERAL RODRIGUEZ",
          "GENERAL SAN MARTIN",
          "GENERAL SARMIENTO",
          "GENERAL VIAMONTE",
          "GENERAL VILLEGAS",
          "GONZALES CHAVES",
          "GUAMINI",
          "HIPOLITO IRIGOYEN",
          "HURLINGHAM",
          "ISLA MARTIN GARCIA",
          "ISLAS DEL DELTA BONAERENSE",
          "ITUZAINGO",
          "JOSE C. PAZ",
          "JUNIN",
          "LA MATANZA",
          "LA PLATA",
          "LANUS",
          "LAPRIDA",
          "LAS FLORES",
          "LEANDRO N. ALEM",
          "LINCOLN",
          "LOBERIA",
          "LOBOS",
          "LOMAS DE ZAMORA",
          "LUJAN",
          "MAGDALENA",
          "MAIPU",
          "MALVINAS ARGENTINAS",
          "MAR CHIQUITA",
          "MARCOS PAZ",
          "MERCEDES",
          "MERLO",
          "MONTE",
          "MONTE HERMOSO",
          "MORENO",
          "MORON",
          "NAVARRO",
          "NECOCHEA",
          "NUEVE DE JULIO",
          "OLAVARRIA",
          "PARTIDO DE LA COSTA",
          "PATAGONES",
          "PEHUAJO",
          "PELLEGRINI",
          "PERGAMINO",
          "PILA",
          "PILAR",
          "PINAMAR",
          "PRESIDENTE PERON",
          "PUAN",
          "PUNTA INDIO",
          "QUILMES",
          "RAMALLO",
          "RAUCH",
          "RIVADAVIA",
          "ROJAS",
          "ROQUE PEREZ",
          "SAAVEDRA",
          "SALADILLO",
          "SALTO",
          "SALLIQUELO",
          "SAN ANDRES DE GILES",
          "SAN ANTONIO DE ARECO",
          "SAN CAYETANO",
          "SAN FERNANDO",
          "SAN ISIDRO",
          "SAN MIGUEL",
          "SAN NICOLAS",
          "SAN PEDRO",
          "SAN VICENTE",
          "SUIPACHA",
          "TANDIL",
          "TAPALQUE",
          "TIGRE",
          "TORDILLO",
          "TORNQUIST",
          "TRENQUE LAUQUEN",
          "TRES ARROYOS",
          "TRES DE FEBRERO",
          "TRES LOMAS",
          "VEINTICINCO DE MAYO",
          "VICENTE LOPEZ",
          "VILLA GESELL",
          "VILLARINO",
          "ZARATE"};
}

std::vector<std::string> Datos_Validos::Tipos_Doc() const {
  return {"DNI", "LE", "LC", "CP", "CF", "DNF", "DNM", "OTROS"};
}

std::vector<std::string> Datos_Validos::T_Tipos_Doc() const {
  return {"DOCUMENTO NACIONAL DE IDENTIDAD",
          "LIBRETA DE ENROLAMIENTO",
          "LIBRETA CIVICA",
          "CEDULA PROVINCIAL",
          "CEDULA FEDERAL",
          "DOCUMENTO NACIONAL FEMENINO",
          "DOCUMENTO NACIONAL MASCULINO",
          "OTROS TIPOS"};
}

std::vector<std::string> Datos_Validos::Tablas() const {
  return {"PAGOS$", "DATOSEMP$", "DATOSDOC$"};
}

namespace {

bool EstaEn(std::string_view texto, const std::vector<std::string>& tabla) {
  return std::find(tabla.begin(), tabla.end(), texto) != tabla.end();
}

}  // namespace

bool Datos_Validos::Ascan(const Value& dato, const std::vector<std::string>& tabla) const {
  return !dato.IsBlank() && EstaEn(dato.TextForm(), tabla);
}

// The text, trimmed of blanks and upper-cased, is blank only when empty.
bool Datos_Validos::Encuentra(const Value& celda, const std::vector<std::string>& tabla) const {
  if (celda.IsEmpty()) return false;
  const std::string texto = Text::Upper(Text::Trim(celda.TextForm()));
  return !texto.empty() && EstaEn(texto, tabla);
}

}  // namespace kaldoren
