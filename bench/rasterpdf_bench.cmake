# The PDF engine on the fixture PDFs: open + count + close, and one preview-sized render,
# each printed beside poppler used directly (the reference measured in the same run).
# Run: build/bench/rasterpdf_bench [google-benchmark flags]
find_package(benchmark REQUIRED)
find_package(PkgConfig REQUIRED)
pkg_check_modules(POPPLER_CPP REQUIRED IMPORTED_TARGET poppler-cpp)

add_executable(rasterpdf_bench ${CMAKE_CURRENT_LIST_DIR}/rasterpdf_bench.cpp)
target_link_libraries(rasterpdf_bench PRIVATE rasterpdf PkgConfig::POPPLER_CPP benchmark::benchmark)
target_compile_definitions(rasterpdf_bench PRIVATE PP_FIXTURES_DIR_DEFAULT="${PP_FIXTURES_DIR}")
set_target_properties(rasterpdf_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
pp_warnings(rasterpdf_bench)
