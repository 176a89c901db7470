// RecursosWeb: the web pages' templates (mustache) and the stylesheet, compiled
// into the program from src/app/web/recursos/ (by cmake/IncrustarRecursos.cmake),
// so that the server never reads a file to answer a request.
#pragma once

#include <map>
#include <string_view>

namespace kaldoren {

class RecursosWeb {
 public:
  // The file of that name; empty when there is none.
  static std::string_view Buscar(std::string_view nombre) {
    const auto it = Todos().find(nombre);
    return it == Todos().end() ? std::string_view() : it->second;
  }

 private:
  static const std::map<std::string_view, std::string_view>& Todos();
};

}  // namespace kaldoren
