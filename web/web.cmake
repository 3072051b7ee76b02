# The web page zeb.html: the program compiled to WebAssembly behind a form,
# all in one file that opens from disk and asks no server for anything.
# Built by the preset 'web' (Emscripten).
find_package(Python3 REQUIRED COMPONENTS Interpreter)

# The engine: runZeb on memory streams. Emscripten's standard output would
# decode the code page 850 bytes as UTF-8.
add_executable(zeb_engine web/zeb_web.cc)
target_link_libraries(zeb_engine PRIVATE zeb_core)
target_link_options(zeb_engine PRIVATE
  -sMODULARIZE=1 -sEXPORT_NAME=createZebEngine -sENVIRONMENT=web
  -sALLOW_MEMORY_GROWTH=1 -sFILESYSTEM=0
  "-sEXPORTED_FUNCTIONS=_zebRun,_zebFigures,_malloc,_free")

set(page ${PROJECT_BINARY_DIR}/zeb.html)
add_custom_command(
  OUTPUT ${page}
  COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/web/embed_page.py
          ${PROJECT_SOURCE_DIR}/web/zeb.html ${PROJECT_SOURCE_DIR}/web/zeb.css
          ${PROJECT_SOURCE_DIR}/web/zeb_api.js ${PROJECT_SOURCE_DIR}/web/zeb.js
          $<TARGET_FILE_DIR:zeb_engine>/zeb_engine.js
          $<TARGET_FILE_DIR:zeb_engine>/zeb_engine.wasm ${PROJECT_VERSION} ${page}
  DEPENDS zeb_engine web/embed_page.py web/zeb.html web/zeb.css web/zeb_api.js web/zeb.js
  VERBATIM)
add_custom_target(zeb_page ALL DEPENDS ${page})
install(FILES ${page} DESTINATION share/zeb)
