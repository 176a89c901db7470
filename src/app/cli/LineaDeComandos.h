// LineaDeComandos: the command line kaldoren20, the headless face of the core
// for scripts and for checking many declarations at once. It parses the
// arguments, runs one command and answers the exit status: 0 when every
// report written has no inconsistency, 1 when some report lists them, 2 when
// a workbook could not be opened or checked or the command line is wrong.
#pragma once

#include <cstdio>
#include <iosfwd>
#include <string>
#include <vector>

namespace kaldoren {

class LineaDeComandos {
 public:
  // terminal is standard error as a C stream, for the progress bar.
  LineaDeComandos(std::ostream& salida, std::ostream& errores, std::FILE* terminal);

  int Ejecutar(const std::vector<std::string>& argumentos);

 private:
  int Ayuda();
  int Uso(const std::string& problema);

  std::ostream& salida_;
  std::ostream& errores_;
  std::FILE* terminal_;
};

}  // namespace kaldoren
