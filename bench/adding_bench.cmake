# Adding a folder of documents: time per file of a whole adding run (worker, status line,
# dialog) beside the engine's own open + count + close of the same files in the same run.
# Run: QT_QPA_PLATFORM=offscreen build/bench/adding_bench [google-benchmark flags]
find_package(benchmark REQUIRED)

add_executable(adding_bench ${CMAKE_CURRENT_LIST_DIR}/adding_bench.cpp)
target_link_libraries(adding_bench PRIVATE pp_adding rasterpdf benchmark::benchmark)
target_compile_definitions(adding_bench PRIVATE PP_FIXTURES_DIR_DEFAULT="${PP_FIXTURES_DIR}")
set_target_properties(adding_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
pp_warnings(adding_bench)
