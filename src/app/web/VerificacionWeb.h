// VerificacionWeb: one verification of a workbook received over the network.
// The workbook's bytes are written into a private folder (a CarpetaPrivada,
// mode 0700), the run writes its report there, and the report's files are
// read into memory before the folder and everything in it is removed: nothing of the declaration
// stays on disk once Verificar returns. The name the client gave is used only for the report
// header, cleaned of folders and control characters; it never names a file.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/web/InformeWeb.h"
#include "base/Status.h"

namespace kaldoren {

// A workbook as the client sent it.
struct Subida {
  std::string nombre;  // file name from the client, may be empty
  std::string contenido;
};

// Paints the PDF of the page files in a folder (carpeta) into a file (destino).
using EscritorPdf = std::function<Status(const std::string& carpeta, const std::string& destino)>;

struct ResultadoWeb {
  enum class Estado {
    Verificado,    // informe holds the report
    NoVerificado,  // the workbook could not be opened or checked: titulo, mensaje
    Ocupado,       // the queue was full or the server is stopping
    Vencido,       // the verification took longer than allowed
  };
  Estado estado = Estado::NoVerificado;
  std::shared_ptr<const InformeWeb> informe;
  std::string titulo;
  std::string mensaje;
  std::string contenido;  // a file made for the client (the PDF)
};

class VerificacionWeb {
 public:
  static ResultadoWeb Verificar(const Subida& subida);
  // The PDF of a report's pages, painted by escribir in a private folder;
  // contenido holds it.
  static ResultadoWeb Pdf(const std::vector<std::string>& hojas, const EscritorPdf& escribir);
  // The marked copy of the report's workbook (.xlsx); contenido holds it.
  static ResultadoWeb Marcada(const InformeWeb& informe);
  // The name shown in the report header for a client's file name: its last
  // part, without control characters, at most 120 characters, upper-cased;
  // "PLANILLA" when nothing is left.
  static std::string NombreMostrado(const std::string& nombre);
};

}  // namespace kaldoren
