#include "report/TextosDestacados.h"

namespace kaldoren {

namespace {

// Neither list sets bold: it stays as the page has it.
Destacado Texto(std::string texto, std::string fuente, double puntos, bool subrayado) {
  return Destacado{std::move(texto), std::move(fuente), puntos, std::nullopt, subrayado};
}

}  // namespace

std::vector<Destacado> TextosDestacados::Informe() {
  const std::string arial = "arial";
  const std::string verdana = "verdana";
  return {
      Texto("INFORME DE VERIFICACION DE DOCUMENTACION (VERSION 1.0)", arial, 11, true),
      Texto("a) Detalle de Inconsistencias", arial, 11, true),
      Texto("1) DATOS DEL EMPLEADOR", arial, 9, true),
      Texto("2) PAGOS", arial, 9, true),
      Texto("3) DATOS DE DOCENTES (REVISTA Y SALARIO)", arial, 9, true),
      Texto("b) Uso interno ZOL", arial, 11, true),
      Texto("1) REMUNERACIONES INFORMADAS EN PERIODOS QUE NO CORRESPONDE", arial, 9, true),
      Texto("2) RESUMEN SALARIAL", arial, 9, true),
      Texto("3) RESUMEN DE PAGOS", arial, 9, true),
      Texto("4) DIFERENCIAS", arial, 9, true),
      Texto("«« OK »»", arial, 11, false),
      Texto("« Se han validado todos los Casos »", verdana, 11, false),
      Texto("« No se han registrado Casos »", verdana, 11, false),
      Texto("« No se han registrado Pagos »", verdana, 11, false),
      Texto("« No se han registrado Datos Salariales y Aportes »", verdana, 11, false),
  };
}

std::vector<Destacado> TextosDestacados::DatosValidos() {
  const std::string arial = "arial";
  const std::string verdana = "verdana";
  return {
      Texto("NOMINA DE DATOS VALIDOS A TENERSE EN CUENTA", arial, 12, true),
      Texto("Distritos Escolares", arial, 13, true),
      Texto("Tipos de Documento", arial, 13, true),
      Texto("Formato del Expediente", arial, 13, true),
      Texto("Posibles Errores", arial, 13, true),
      Texto("LOS COLEGIOS TRANSFERIDOS NO DEBEN INFORMAR EXPEDIENTE", verdana, 9, false),
      Texto("« El Archivo Seleccionado no tiene el formato requerido »", verdana, 10, false),
      Texto("no puede interpretar", arial, 10, false),
      Texto("Los mensajes pueden ser variados.", verdana, 10, false),
      Texto("La Tabla externa no tiene el formato esperado", verdana, 10, false),
  };
}

}  // namespace kaldoren
