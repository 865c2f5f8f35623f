# Windows-side tests run under Wine in a throwaway prefix of this build tree:
# 32-bit for the i686 build, 64-bit for x86_64. A CTest fixture boots the
# prefix and a private display first and ends both last.

if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(QF_WINEARCH win32)
else()
  set(QF_WINEARCH win64)
endif()
set(QF_HARNESS ${PROJECT_SOURCE_DIR}/scripts/wine-harness.sh)
set(QF_HARNESS_DIR ${CMAKE_BINARY_DIR}/wine)
set(CMAKE_CROSSCOMPILING_EMULATOR ${QF_HARNESS} run ${QF_HARNESS_DIR})

add_test(NAME wine.start COMMAND ${QF_HARNESS} start ${QF_HARNESS_DIR} ${QF_WINEARCH})
add_test(NAME wine.stop COMMAND ${QF_HARNESS} stop ${QF_HARNESS_DIR})
set_tests_properties(wine.start PROPERTIES FIXTURES_SETUP wine TIMEOUT 120)
set_tests_properties(wine.stop PROPERTIES FIXTURES_CLEANUP wine)

# A Windows test program run under Wine; they share one registry, so they
# run one at a time.
function(qf_add_wine_test name target)
  add_test(NAME ${name} COMMAND ${target} ${ARGN})
  set_tests_properties(${name} PROPERTIES
    FIXTURES_REQUIRED wine RESOURCE_LOCK wine SKIP_RETURN_CODE 77 TIMEOUT 300)
endfunction()
