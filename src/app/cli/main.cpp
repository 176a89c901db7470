// kaldoren20: the command line of Control_Kaldoren20.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "app/cli/LineaDeComandos.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> argumentos(argv + 1, argv + argc);
  return kaldoren::LineaDeComandos(std::cout, std::cerr, stderr).Ejecutar(argumentos);
}
