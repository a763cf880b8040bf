# The calendar engine's sources call their own small helpers on every
# conversion; without semantic interposition the compiler may inline them
# inside the shared library.
file(GLOB KTI18N_CALENDAR_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/kti18n/calendar/*.cpp)
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  set_source_files_properties(${KTI18N_CALENDAR_SOURCES} TARGET_DIRECTORY kti18n
    PROPERTIES COMPILE_OPTIONS -fno-semantic-interposition)
endif()
