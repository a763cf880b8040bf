# Tests of the CLDR generator of the locale-data records: the pattern
# conversions on their own, and that regenerating from the installed CLDR
# reproduces the committed source (skipped when CLDR is not installed).
if(KTI18N_BUILD_TESTS)
  find_package(Python3 COMPONENTS Interpreter)
  if(Python3_FOUND)
    add_test(NAME cldr_patterns
      COMMAND ${Python3_EXECUTABLE} -m unittest discover -s ${CMAKE_CURRENT_SOURCE_DIR}/tools/cldr -p "test_*.py")
    add_test(NAME locale_data_regenerates
      COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/tools/gen_locale_data.py --check)
    set_tests_properties(locale_data_regenerates PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 300)
  endif()
endif()
