# Windows programs are tested under Wine: every test run starts from a fresh, throwaway
# Wine prefix, made once and shared by the tests of that run.
set(QUILLPAD_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine-prefix)

add_test(NAME wine_prefix
         COMMAND ${PROJECT_SOURCE_DIR}/scripts/lib/fresh-wine-prefix ${QUILLPAD_WINE_PREFIX}
                 ${CMAKE_CROSSCOMPILING_EMULATOR})
set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine_prefix TIMEOUT 300)

function(quillpad_wine_test name)
  set_tests_properties(${name} PROPERTIES
    FIXTURES_REQUIRED wine_prefix
    RESOURCE_LOCK wine_prefix
    ENVIRONMENT "WINEPREFIX=${QUILLPAD_WINE_PREFIX};WINEDEBUG=-all;WINELOADER=${CMAKE_CROSSCOMPILING_EMULATOR}")
endfunction()
