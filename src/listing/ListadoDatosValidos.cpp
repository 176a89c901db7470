#include "listing/ListadoDatosValidos.h"

#include "base/TextFileWriter.h"
#include "listing/COL_R_DATOSV.h"
#include "report/Partir_TXT.h"

namespace kaldoren {
namespace {

constexpr int kLineasPorHoja = 76;

void EscribirSeccion(SeccionListado& seccion, TextFileWriter& archivo) {
  archivo.WriteLine(seccion.Titulo());
  archivo.WriteLine("");
  const std::vector<std::string> lineas =
      COL_R_DATOSV::Muestra(seccion.Datos(), seccion.Ancho(), seccion.Tope(), seccion.Separador());
  for (size_t i = 1; i < lineas.size(); ++i) archivo.WriteLine("   " + lineas[i]);
  archivo.WriteLine(std::string(105, '-'));
}

}  // namespace

std::string ListadoDatosValidos::Prefijo(const std::string& carpeta) { return carpeta + "/DATOS"; }

Status ListadoDatosValidos::Escribir(const std::string& carpeta) {
  const std::string listado = carpeta + "/DVALIDOS.TXT";
  TextFileWriter archivo;
  Status estado = archivo.Open(listado);
  if (!estado.ok()) return estado;
  const COL_R_DATOSV coleccion;
  for (const auto& seccion : coleccion.Cl()) EscribirSeccion(*seccion, archivo);
  estado = archivo.Close();
  if (!estado.ok()) return estado;

  Partir_TXT partir;
  partir.Archivo_Entrada(listado);
  partir.Prefijo_Salida(Prefijo(carpeta));
  partir.Cantidad_Lineas_Hoja(kLineasPorHoja);
  partir.Encabezado("\r\n" + std::string(24, ' ') +
                    "NOMINA DE DATOS VALIDOS A TENERSE EN CUENTA\r\n");
  return partir.Correr();
}

}  // namespace kaldoren
