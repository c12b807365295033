# Shared build settings: the staged installation tree and per-target helpers.

set(PP_TITLE "Brenlow PDF to Flash Converter")
set(PP_COMPANY "Brenlow Studio")

# The build tree mirrors the installed tree, so the program runs from the build folder.
set(PP_STAGE_DIR ${CMAKE_BINARY_DIR}/app)
set(PP_RESOURCE_SUBDIR "sys/soft/${PP_TITLE}")
set(PP_STAGE_RESOURCE_DIR "${PP_STAGE_DIR}/${PP_RESOURCE_SUBDIR}")
file(MAKE_DIRECTORY ${PP_STAGE_DIR}/dll ${PP_STAGE_DIR}/PlugDll ${PP_STAGE_DIR}/swfs
     ${PP_STAGE_DIR}/RC2 "${PP_STAGE_RESOURCE_DIR}/Skins")

# Plug-ins must really leave the process on unload (their registrations are removed by
# static destructors); GNU unique symbols from inline templates would pin them in memory.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  add_compile_options($<$<COMPILE_LANGUAGE:CXX>:-fno-gnu-unique>)
endif()

if(PP_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# Warnings for our own code (never for generated or third-party sources).
function(pp_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(PP_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# A binary of the installation: staged into <stage>/<subdir> and installed to <prefix>/<subdir>.
# Shared libraries find each other through run paths relative to $ORIGIN.
function(pp_stage target subdir)
  if(subdir STREQUAL ".")
    set(out ${PP_STAGE_DIR})
  else()
    set(out ${PP_STAGE_DIR}/${subdir})
  endif()
  set_target_properties(${target} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${out}
    LIBRARY_OUTPUT_DIRECTORY ${out}
    BUILD_RPATH "$ORIGIN;$ORIGIN/lib;$ORIGIN/../dll;$ORIGIN/dll"
    INSTALL_RPATH "$ORIGIN;$ORIGIN/lib;$ORIGIN/../dll;$ORIGIN/dll")
  install(TARGETS ${target} RUNTIME DESTINATION ${subdir} LIBRARY DESTINATION ${subdir})
endfunction()

# A plug-in module: a shared library named <name>.so (no lib prefix) in dll/ or PlugDll/.
function(pp_plugin target subdir)
  add_library(${target} MODULE ${ARGN})
  set_target_properties(${target} PROPERTIES PREFIX "")
  pp_warnings(${target})
  pp_stage(${target} ${subdir})
endfunction()

# A GoogleTest executable in <folder>/tests, registered with CTest. Its main sets
# QT_QPA_PLATFORM=offscreen, PP_STAGE_DIR (the staged installation) and PP_FIXTURES_DIR
# (the fixture PDFs) in the environment when they are not set already.
function(pp_test target)
  add_executable(${target} ${ARGN} ${PP_TEST_MAIN})
  pp_warnings(${target})
  target_link_libraries(${target} PRIVATE GTest::gtest)
  target_compile_definitions(${target} PRIVATE
    PP_STAGE_DIR_DEFAULT="${PP_STAGE_DIR}" PP_FIXTURES_DIR_DEFAULT="${PP_FIXTURES_DIR}")
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60)
endfunction()

set(PP_TEST_MAIN ${CMAKE_CURRENT_LIST_DIR}/testmain.cpp)

# The real PDFs kept beside the repository for tests.
get_filename_component(PP_FIXTURES_DIR "${CMAKE_SOURCE_DIR}/../shared/fixtures/pdf" ABSOLUTE)
