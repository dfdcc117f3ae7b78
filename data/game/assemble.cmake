# Assembles and links the stand-in game. Run as a script:
#   cmake -DCA65=ca65 -DLD65=ld65 -DSOURCE=<data/game> -DBANKS=<folder of banks.bin>
#         -DWORK=<folder for objects> -DOUTPUT=<oxil.xex> -P assemble.cmake
# The build and the reproducibility test both use it, so they assemble the same way.
set(units main layout screen level)
file(MAKE_DIRECTORY ${WORK})
set(objects)
foreach(unit ${units})
  execute_process(
    COMMAND ${CA65} -I ${SOURCE} --bin-include-dir ${BANKS} -o ${WORK}/${unit}.o ${SOURCE}/${unit}.s
    RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "ca65 failed on ${unit}.s")
  endif()
  list(APPEND objects ${WORK}/${unit}.o)
endforeach()
# The label file names the addresses the tests look at (start, idle, the view position ...).
execute_process(COMMAND ${LD65} -C ${SOURCE}/oxil.cfg -Ln ${WORK}/oxil.lbl -o ${OUTPUT} ${objects}
  RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "ld65 failed")
endif()
