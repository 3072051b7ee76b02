# The web page zeb.html: the program compiled to WebAssembly behind a form,
# all in one file that opens from disk and asks no server for anything.
# Under Emscripten (the preset 'web') it is built here; in other builds it
# is a build of its own where Emscripten and esbuild are at hand
# (ZEB_WEB_PAGE AUTO), or must be (ON), and goes into the packages. `webPage` names the file, or is
# empty.
set(webPage "")
if(EMSCRIPTEN)
find_package(Python3 REQUIRED COMPONENTS Interpreter)

# The engine: runZeb on memory streams. Emscripten's standard output would
# decode the code page 850 bytes as UTF-8. A standalone WebAssembly module,
# without Emscripten's JavaScript: its imports keep their WASI names, and
# web/page/engine.js answers the few it asks for. The page carries it, so it
# is built for size (the presets' MinSizeRel, cmake/emscripten.cmake) with
# Emscripten's small allocator.
add_executable(zeb_engine web/zeb_web.cc)
target_link_libraries(zeb_engine PRIVATE zeb_core)
set_target_properties(zeb_engine PROPERTIES SUFFIX ".wasm")
target_link_options(zeb_engine PRIVATE
  -sSTANDALONE_WASM=1 --no-entry
  -sALLOW_MEMORY_GROWTH=1 -sFILESYSTEM=0 -sMALLOC=emmalloc
  "-sEXPORTED_FUNCTIONS=_zebRun,_zebFigures,_malloc,_free")

# The engine travels in the page gzipped by zopfli, which packs tighter
# than gzip.
find_program(ZEB_ZOPFLI zopfli REQUIRED)

# The page's scripts: its modules (web/page) bundled and minified by
# esbuild, main.js with all it imports into the script the page carries
# packed, start.js into the one that unpacks and runs it.
find_program(ZEB_ESBUILD esbuild REQUIRED)
file(GLOB pageModules CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/web/page/*.js)
foreach(entry IN ITEMS main start)
  set(${entry}Script ${PROJECT_BINARY_DIR}/zeb_${entry}.js)
  add_custom_command(
    OUTPUT ${${entry}Script}
    COMMAND ${ZEB_ESBUILD} ${PROJECT_SOURCE_DIR}/web/page/${entry}.js --bundle --minify --format=iife
            --charset=utf8 --log-level=warning --outfile=${${entry}Script}
    DEPENDS ${pageModules}
    VERBATIM)
endforeach()

set(page ${PROJECT_BINARY_DIR}/zeb.html)
add_custom_command(
  OUTPUT ${page}
  COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/web/embed_page.py ${ZEB_ZOPFLI}
          ${PROJECT_SOURCE_DIR}/web/zeb.html ${PROJECT_SOURCE_DIR}/web/zeb.css ${mainScript}
          ${startScript} $<TARGET_FILE:zeb_engine> ${PROJECT_VERSION} ${page}
  DEPENDS zeb_engine web/embed_page.py web/zeb.html web/zeb.css ${mainScript} ${startScript}
  VERBATIM)
add_custom_target(zeb_page ALL DEPENDS ${page})
set(webPage ${page})

elseif(ZEB_WEB_PAGE)
  find_program(ZEB_EMXX em++)
  find_program(ZEB_ESBUILD esbuild)
  find_program(ZEB_ZOPFLI zopfli)
  if(ZEB_EMXX AND ZEB_ESBUILD AND ZEB_ZOPFLI)
    include(ExternalProject)
    set(webPage ${PROJECT_BINARY_DIR}/web/zeb.html)
    ExternalProject_Add(zeb_web
      SOURCE_DIR ${PROJECT_SOURCE_DIR}
      BINARY_DIR ${PROJECT_BINARY_DIR}/web
      CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/emscripten.cmake
                 -DCMAKE_BUILD_TYPE=MinSizeRel -DZEB_WERROR=${ZEB_WERROR}
      # A build of its own: the parent make's job server is not for it.
      BUILD_COMMAND ${CMAKE_COMMAND} -E env --unset=MAKEFLAGS
                    ${CMAKE_COMMAND} --build <BINARY_DIR> --target zeb_page
      INSTALL_COMMAND ""
      BUILD_ALWAYS ON
      BUILD_BYPRODUCTS ${webPage})
  elseif(ZEB_WEB_PAGE STREQUAL "AUTO")
    message(STATUS "Emscripten (em++), esbuild or zopfli not found: the packages go without the web page zeb.html")
  else()
    message(FATAL_ERROR "ZEB_WEB_PAGE is ON, but Emscripten (em++), esbuild or zopfli was not found")
  endif()
endif()

# Beside zeb.exe in the Windows folder, elsewhere among the shared data.
if(webPage)
  if(WIN32)
    set(pageDestination .)
  else()
    set(pageDestination ${CMAKE_INSTALL_DATADIR}/zeb)
  endif()
  install(FILES ${webPage} DESTINATION ${pageDestination} COMPONENT program)
endif()
