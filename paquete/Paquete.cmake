# The Debian package control-kaldoren20 (CPack, DEB generator): every
# install() rule of the project, the manual pages, the README and the files
# Debian asks of a package (copyright, changelog). `make deb` builds it. A
# new install() rule anywhere (a service unit, say) joins the package as is.

set(KALDOREN_MANTENEDOR "Equipo de Control_Kaldoren20 <maintainers@users.noreply.c-seed-ec770f35.example>"
    CACHE STRING "Maintainer of the Debian package")
set(KALDOREN_DOC ${CMAKE_INSTALL_DATADIR}/doc/control-kaldoren20)

# Manual pages and the changelog go gzipped (gzip -n: no name or time stamp,
# so the package is the same on every build).
set(comprimidos)
function(kaldoren_comprimir entrada salida)
  add_custom_command(OUTPUT ${salida}
    COMMAND gzip -9n -c ${entrada} > ${salida}
    DEPENDS ${entrada} VERBATIM)
  set(comprimidos ${comprimidos} ${salida} PARENT_SCOPE)
endfunction()

set(paginas_de_manual kaldoren20)
if(TARGET control-kaldoren20)
  list(APPEND paginas_de_manual control-kaldoren20)
endif()
foreach(programa ${paginas_de_manual})
  configure_file(${CMAKE_SOURCE_DIR}/man/${programa}.1.in ${CMAKE_BINARY_DIR}/man/${programa}.1 @ONLY)
  kaldoren_comprimir(${CMAKE_BINARY_DIR}/man/${programa}.1 ${CMAKE_BINARY_DIR}/man/${programa}.1.gz)
  install(FILES ${CMAKE_BINARY_DIR}/man/${programa}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
configure_file(${CMAKE_SOURCE_DIR}/paquete/changelog.in ${CMAKE_BINARY_DIR}/paquete/changelog @ONLY)
kaldoren_comprimir(${CMAKE_BINARY_DIR}/paquete/changelog ${CMAKE_BINARY_DIR}/paquete/changelog.gz)
add_custom_target(archivos_del_paquete ALL DEPENDS ${comprimidos})

install(FILES ${CMAKE_BINARY_DIR}/paquete/changelog.gz ${CMAKE_SOURCE_DIR}/paquete/copyright
              ${CMAKE_SOURCE_DIR}/README.md
        DESTINATION ${KALDOREN_DOC})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME control-kaldoren20)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${KALDOREN_MANTENEDOR})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${KALDOREN_MANTENEDOR})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Found by no library scan: the fonts the pages are drawn in.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "verifica la declaración jurada de colegios privados
Lee la planilla (.xls, .xlsx u .ods) de la declaración jurada que un colegio
privado presenta al instituto de previsión, controla cada fila y escribe
el informe de inconsistencias en hojas de texto y en PDF. Trae el programa
de escritorio control-kaldoren20 y la línea de órdenes kaldoren20.")
include(CPack)

# The package built, unpacked and run (tests/paquete_deb.sh); not in the
# sanitizer and fuzz builds, whose programs are not the ones shipped.
if(NOT KALDOREN_SANITIZE AND NOT KALDOREN_FUZZ)
  add_test(NAME PaqueteDebian
           COMMAND sh ${CMAKE_SOURCE_DIR}/tests/paquete_deb.sh ${CMAKE_BINARY_DIR}
                   ${PROJECT_VERSION} ${CMAKE_SOURCE_DIR}/muestras/declaracion_correcta.xls)
  set_tests_properties(PaqueteDebian PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 600)
endif()
