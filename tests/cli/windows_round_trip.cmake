# Runs the Windows zarvek-grid.exe under the emulator on a fresh folder: make and add must write
# the checked-in expected bytes, lint must pass the result and show must print it in UTF-8.
# Called by CTest with -DEMULATOR=... -DPROGRAM=... -DDATA=... -DWORK=...
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

function(run expected_status)
  execute_process(COMMAND ${EMULATOR} "${PROGRAM}" ${ARGN}
                  WORKING_DIRECTORY "${WORK}"
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL expected_status)
    message(FATAL_ERROR "zarvek-grid ${ARGN}: exit ${status}, expected ${expected_status}\n${out}${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

function(expect_bytes expected)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${WORK}/Gridfile.dat" "${DATA}/${expected}"
                  RESULT_VARIABLE different)
  if(different)
    message(FATAL_ERROR "Gridfile.dat differs from ${expected}")
  endif()
endfunction()

run(0 make --p1 0,0,0,0,0,5 --p2 100.00049,0,0,0,1,1 --p3 30,80,-0.00001,0,0,1
    --probe 6.35 --name "Bracket, A" --file Gridfile.dat)
expect_bytes(cli_make_expected.dat)
run(4 add --p1 -10,0,5.1249,0,0,1 --p2 110,0,5.1249,0,0,1 --p3 20,95,5.1249,-1,1,1
    --probe 6.350 --name "Bügel rechts " --file Gridfile.dat)
expect_bytes(cli_make_expected.dat)
run(0 add --p1 -10,0,5.1249,0,0,1 --p2 110,0,5.1249,0,0,1 --p3 20,95,5.1249,-1,1,1
    --probe 6.350 --name "Bügel rechts " --file Gridfile.dat --yes)
expect_bytes(cli_add_expected.dat)
run(0 lint Gridfile.dat)
run(0 show Gridfile.dat)
string(FIND "${out}" "Part Bügel rechts " found)
if(found EQUAL -1)
  message(FATAL_ERROR "show did not print the name in UTF-8:\n${out}")
endif()
