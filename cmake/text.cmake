# The UTF-8 counting and validation loops are written to be vectorised,
# which g++ does only from -O3.
if(NOT KTI18N_SANITIZE)
  set_source_files_properties(${CMAKE_CURRENT_SOURCE_DIR}/kti18n/text/utf8.cpp PROPERTIES COMPILE_OPTIONS "-O3")
endif()
