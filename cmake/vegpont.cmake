# vesztes_vegpont_tesztek(PREFIX [OPCIOK option...] [PARANCS word...] [KORNYEZET var=value...]
#                         [KELLEK fixture])
# Registers every case of tests/vegpont.sh as a test of its own, PREFIX/CASE,
# so that a failure names its case and one case reruns by name
# (ctest -R '^vegpont/tipikus$'). Each runs
#   bash tests/vegpont.sh OPCIOK... --eset CASE PARANCS... <the program>
# With KELLEK every case requires that CTest fixture (its setup test runs
# first, once, even when the cases run in parallel).
# The cases are listed by the script itself at configure time, with the same
# options (a case may not apply to every platform); editing the
# script configures again.
function(vesztes_vegpont_tesztek elotag)
  cmake_parse_arguments(PARSE_ARGV 1 V "" "KELLEK" "OPCIOK;PARANCS;KORNYEZET")
  find_program(BASH bash REQUIRED)
  set(szkript ${PROJECT_SOURCE_DIR}/tests/vegpont.sh)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${szkript})
  execute_process(COMMAND ${BASH} ${szkript} ${V_OPCIOK} --lista
    OUTPUT_VARIABLE esetek RESULT_VARIABLE hiba OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(hiba OR esetek STREQUAL "")
    message(FATAL_ERROR "tests/vegpont.sh --lista failed: ${hiba}")
  endif()
  string(REPLACE "\n" ";" esetek "${esetek}")
  foreach(eset IN LISTS esetek)
    add_test(NAME ${elotag}/${eset}
      COMMAND ${BASH} ${szkript} ${V_OPCIOK} --eset ${eset} ${V_PARANCS} $<TARGET_FILE:vesztes>)
    # A case that cannot run here (no root, no tool) shows as skipped.
    set_tests_properties(${elotag}/${eset} PROPERTIES LABELS vegpont
      SKIP_REGULAR_EXPRESSION "SKIP ${eset}: ")
    if(V_KELLEK)
      set_tests_properties(${elotag}/${eset} PROPERTIES FIXTURES_REQUIRED ${V_KELLEK})
    endif()
    if(V_KORNYEZET)
      set_tests_properties(${elotag}/${eset} PROPERTIES ENVIRONMENT "${V_KORNYEZET}")
    endif()
  endforeach()
endfunction()
