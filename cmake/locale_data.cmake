# The locale-data module: a shared library beside libkti18n (both land in the
# top of the build tree, and in the same library folder when installed) that
# the locale catalog loads with dlopen on first need. Its start-up registers
# its records with the catalog of the libkti18n it links to.
file(GLOB KTI18NLOC_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/kti18nloc/*.cpp)
add_library(kti18nloc MODULE ${KTI18NLOC_SOURCES})
target_include_directories(kti18nloc PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(kti18nloc PRIVATE kti18n)
# GCC marks the UCS-2 literals' template objects as unique symbols, which the
# loader never unloads; a module that stayed resident would not register its
# records again when the catalog is cleared and loads it anew.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  target_compile_options(kti18nloc PRIVATE -fno-gnu-unique)
endif()
install(TARGETS kti18nloc LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})

# Nothing links the module, so every program of the project (the tool, the
# tests, the benchmarks) depends on it explicitly once all are defined.
function(kti18nloc_add_program_dependencies)
  set(programs)
  get_property(subdirs DIRECTORY ${CMAKE_SOURCE_DIR} PROPERTY SUBDIRECTORIES)
  foreach(dir IN ITEMS ${CMAKE_SOURCE_DIR} ${subdirs})
    get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
    list(APPEND programs ${targets})
  endforeach()
  foreach(t IN LISTS programs)
    get_target_property(type ${t} TYPE)
    if(type STREQUAL "EXECUTABLE")
      add_dependencies(${t} kti18nloc)
    endif()
  endforeach()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL kti18nloc_add_program_dependencies)

# Tests that need programs of their own: a probe that runs with a copy of
# libkti18n lacking the module, and the installed layout.
if(KTI18N_BUILD_TESTS)
  add_executable(catalog_probe ${CMAKE_CURRENT_SOURCE_DIR}/tests/catalog/probe/catalog_probe.cpp)
  target_link_libraries(catalog_probe PRIVATE kti18n)
  set_target_properties(catalog_probe PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  function(kti18nloc_add_probe_tests)
    if(TARGET test_catalog)
      add_dependencies(test_catalog catalog_probe)
      target_compile_definitions(test_catalog PRIVATE
        KTI18N_CATALOG_PROBE="$<TARGET_FILE:catalog_probe>"
        KTI18N_LIBRARY_FILE="$<TARGET_FILE:kti18n>"
        KTI18N_LIBRARY_SONAME="$<TARGET_SONAME_FILE_NAME:kti18n>"
        KTI18N_MODULE_FILE="$<TARGET_FILE:kti18nloc>")
    endif()
    set(flags)
    if(KTI18N_SANITIZE)
      set(flags -fsanitize=address,undefined)
    endif()
    add_test(NAME catalog_installed_layout
      COMMAND sh ${CMAKE_SOURCE_DIR}/tests/catalog/probe/install_layout.sh
              ${CMAKE_BINARY_DIR} ${CMAKE_SOURCE_DIR} ${CMAKE_CXX_COMPILER} ${flags})
    set_tests_properties(catalog_installed_layout PROPERTIES TIMEOUT 300)
    add_test(NAME installed_package
      COMMAND sh ${CMAKE_SOURCE_DIR}/tests/install/package_test.sh
              ${CMAKE_BINARY_DIR} ${CMAKE_SOURCE_DIR} ${CMAKE_CXX_COMPILER} ${flags})
    set_tests_properties(installed_package PROPERTIES TIMEOUT 300)
  endfunction()
  cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL kti18nloc_add_probe_tests)
endif()
