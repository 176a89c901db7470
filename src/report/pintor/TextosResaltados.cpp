#include "report/pintor/TextosResaltados.h"

namespace kaldoren {

namespace {

// Neither list sets bold: it stays as the page has it.
Resaltado Texto(const QString& texto, const QString& fuente, double puntos, bool subrayado) {
  return Resaltado{texto, fuente, puntos, std::nullopt, subrayado};
}

}  // namespace

QList<Resaltado> TextosResaltados::Informe() {
  const QString arial = QStringLiteral("arial");
  const QString verdana = QStringLiteral("verdana");
  return {
      Texto(QStringLiteral("INFORME DE VERIFICACION DE DOCUMENTACION (VERSION 1.0)"), arial, 11,
            true),
      Texto(QStringLiteral("a) Detalle de Inconsistencias"), arial, 11, true),
      Texto(QStringLiteral("1) DATOS DEL EMPLEADOR"), arial, 9, true),
      Texto(QStringLiteral("2) PAGOS"), arial, 9, true),
      Texto(QStringLiteral("3) DATOS DE DOCENTES (REVISTA Y SALARIO)"), arial, 9, true),
      Texto(QStringLiteral("b) Uso interno ZOL"), arial, 11, true),
      Texto(QStringLiteral("1) REMUNERACIONES INFORMADAS EN PERIODOS QUE NO CORRESPONDE"), arial, 9,
            true),
      Texto(QStringLiteral("2) RESUMEN SALARIAL"), arial, 9, true),
      Texto(QStringLiteral("3) RESUMEN DE PAGOS"), arial, 9, true),
      Texto(QStringLiteral("4) DIFERENCIAS"), arial, 9, true),
      Texto(QStringLiteral("«« OK »»"), arial, 11, false),
      Texto(QStringLiteral("« Se han validado todos los Casos »"), verdana, 11, false),
      Texto(QStringLiteral("« No se han registrado Casos »"), verdana, 11, false),
      Texto(QStringLiteral("« No se han registrado Pagos »"), verdana, 11, false),
      Texto(QStringLiteral("« No se han registrado Datos Salariales y Aportes »"), verdana, 11,
            false),
  };
}

QList<Resaltado> TextosResaltados::DatosValidos() {
  const QString arial = QStringLiteral("arial");
  const QString verdana = QStringLiteral("verdana");
  return {
      Texto(QStringLiteral("NOMINA DE DATOS VALIDOS A TENERSE EN CUENTA"), arial, 12, true),
      Texto(QStringLiteral("Distritos Escolares"), arial, 13, true),
      Texto(QStringLiteral("Tipos de Documento"), arial, 13, true),
      Texto(QStringLiteral("Formato del Expediente"), arial, 13, true),
      Texto(QStringLiteral("Posibles Errores"), arial, 13, true),
      Texto(QStringLiteral("LOS COLEGIOS TRANSFERIDOS NO DEBEN INFORMAR EXPEDIENTE"), verdana, 9,
            false),
      Texto(QStringLiteral("« El Archivo Seleccionado no tiene el formato requerido »"), verdana,
            10, false),
      Texto(QStringLiteral("no puede interpretar"), arial, 10, false),
      Texto(QStringLiteral("Los mensajes pueden ser variados."), verdana, 10, false),
      Texto(QStringLiteral("La Tabla externa no tiene el formato esperado"), verdana, 10, false),
  };
}

}  // namespace kaldoren
