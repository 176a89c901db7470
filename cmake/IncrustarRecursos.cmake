# Writes SALIDA, a C++ source that holds every file of ENTRADAS (a list) as a
# string under its file name, for RecursosWeb: the web pages' templates and the
# stylesheet are compiled into the program. Run with cmake -P.
set(texto "// Made from src/app/web/recursos/ by cmake/IncrustarRecursos.cmake.\n")
string(APPEND texto "#include \"app/web/RecursosWeb.h\"\n\nnamespace kaldoren {\n\n")
string(APPEND texto "const std::map<std::string_view, std::string_view>& RecursosWeb::Todos() {\n")
string(APPEND texto "  static const std::map<std::string_view, std::string_view> recursos = {\n")
foreach(archivo IN LISTS ENTRADAS)
  file(READ "${archivo}" contenido)
  get_filename_component(nombre "${archivo}" NAME)
  string(APPEND texto "      {\"${nombre}\", R\"recurso(${contenido})recurso\"},\n")
endforeach()
string(APPEND texto "  };\n  return recursos;\n}\n\n}  // namespace kaldoren\n")
file(WRITE "${SALIDA}" "${texto}")
