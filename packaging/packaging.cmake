# What `cmake --install` puts where, and the packages CPack makes of it: a
# Debian package on Linux (cpack -G DEB) and a ZIP archive for Windows
# (cpack -G ZIP).
# `output` is made by `command`, which writes it to standard output.
function(zeb_generate output depends)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} "-DCOMMAND=${ARGN}" -DOUTPUT=${output}
            -P ${PROJECT_SOURCE_DIR}/cmake/output_to_file.cmake
    DEPENDS ${depends} VERBATIM)
endfunction()

configure_file(doc/zeb.1.in zeb.1 @ONLY)
set(manPage ${PROJECT_BINARY_DIR}/zeb.1)

if(WIN32)
  # The ZIP archive: zeb.exe, a German start (CR LF, as Notepad wants it),
  # the license and the manual as a styled web page, side by side in one
  # folder, with names Windows opens.
  find_program(ZEB_MANDOC mandoc REQUIRED)
  set(manual ${PROJECT_BINARY_DIR}/zeb-handbuch.html)
  set(manualStyle ${PROJECT_SOURCE_DIR}/packaging/windows/handbuch.css)
  add_custom_command(
    OUTPUT ${manual}
    COMMAND ${CMAKE_COMMAND} -DMANDOC=${ZEB_MANDOC} -DPAGE=${manPage} -DSTYLE=${manualStyle}
            -DOUTPUT=${manual} -P ${PROJECT_SOURCE_DIR}/cmake/manual_page.cmake
    DEPENDS ${manPage} ${manualStyle} ${PROJECT_SOURCE_DIR}/cmake/manual_page.cmake VERBATIM)
  add_custom_target(zeb_manual ALL DEPENDS ${manual})
  configure_file(packaging/windows/LIESMICH.txt.in LIESMICH.txt @ONLY NEWLINE_STYLE CRLF)
  install(TARGETS zeb RUNTIME DESTINATION .)
  install(FILES LICENSE DESTINATION . RENAME LICENSE.txt)
  install(FILES ${PROJECT_BINARY_DIR}/LIESMICH.txt ${manual} doc/figures.schema.json
                doc/batch.schema.json DESTINATION .)
  set(CPACK_GENERATOR ZIP)
else()
  # Debian's policy: man pages and changelogs compressed with gzip -9n.
  find_program(ZEB_GZIP gzip REQUIRED)
  configure_file(packaging/debian/changelog.in changelog @ONLY)
  foreach(file zeb.1 changelog)
    zeb_generate(${PROJECT_BINARY_DIR}/${file}.gz ${PROJECT_BINARY_DIR}/${file}
                 ${ZEB_GZIP} -9n -c ${PROJECT_BINARY_DIR}/${file})
  endforeach()
  add_custom_target(zeb_compressed_docs ALL
                    DEPENDS ${PROJECT_BINARY_DIR}/zeb.1.gz ${PROJECT_BINARY_DIR}/changelog.gz)
  install(TARGETS zeb RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT program)
  install(FILES ${PROJECT_BINARY_DIR}/zeb.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1
          COMPONENT program)
  install(FILES README.md DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT program)
  # The guide where the README's links find it.
  install(FILES doc/guide.md DESTINATION ${CMAKE_INSTALL_DOCDIR}/doc COMPONENT program)
  # The schemas of -J and -stapel, for the programs that read them.
  install(FILES doc/figures.schema.json doc/batch.schema.json DESTINATION ${CMAKE_INSTALL_DATADIR}/zeb
          COMPONENT program)
  # The license stands in the Debian copyright file; elsewhere as it is.
  install(FILES LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT license)
  install(FILES packaging/debian/copyright ${PROJECT_BINARY_DIR}/changelog.gz
          DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT debian EXCLUDE_FROM_ALL)
  install(FILES packaging/debian/lintian-overrides DESTINATION share/lintian/overrides
          RENAME zeb COMPONENT debian EXCLUDE_FROM_ALL)
  set(CPACK_GENERATOR DEB)
  set(CPACK_DEB_COMPONENT_INSTALL ON)
  set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
  set(CPACK_COMPONENTS_ALL program debian)
endif()

set(CPACK_PACKAGE_NAME zeb)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR ZEB-Projekt)
set(CPACK_PACKAGE_CONTACT "ZEB-Projekt <maintainers@zeb-projekt.example>")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "court and lawyer fees of a German lawsuit, old and new schedules side by side")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CPACK_PACKAGE_CONTACT})
# CPack puts the summary above this as the synopsis line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "ZEB computes the costs of a lawsuit before German civil and administrative
courts for one amount in dispute: the court fees (GKG) and the lawyer fees
(RVG) as in force until 31.07.2013 and from 01.08.2013, for the payment-order
procedure, the first instance, the appeal and both kinds of revision, with
expense flat rate, VAT, process costs, the settlement variant and the totals
over instances. It writes code page 850 text for a console or one HTML 4.01
document.")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://zeb-projekt.example/")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
