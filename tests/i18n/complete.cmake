# lupdate run over copies of the translation files, as the target
# update_translations runs it over the files themselves: a text added,
# changed or dropped in the sources since shows in the copies as not
# translated or left over, which tscheck reports with any translation that
# lost or gained a %-argument. PLURALS is English's file of plural forms,
# which holds the texts with a count alone. With UPDATE the files themselves
# are brought up to date, and nothing is checked.
cmake_policy(SET CMP0057 NEW)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(copies)
set(plural_copies)
foreach(file ${FILES} ${PLURALS})
  get_filename_component(base ${file} NAME)
  set(copy ${file})
  if(NOT UPDATE)
    set(copy ${WORK}/${base})
    if(EXISTS ${file})
      file(COPY_FILE ${file} ${copy})
    endif()
  endif()
  if(file IN_LIST PLURALS)
    list(APPEND plural_copies ${copy})
  else()
    list(APPEND copies ${copy})
  endif()
endforeach()
# The sources lupdate reads, as Qt's update target lists them.
execute_process(COMMAND ${CMAKE_COMMAND} -DIN_FILE=${PROJECT} -DOUT_FILE=${WORK}/project.json -P ${GENERATE}
                RESULT_VARIABLE listed OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(listed)
  message(FATAL_ERROR "the sources could not be listed: ${out}")
endif()
foreach(run "${copies}" "${plural_copies}")
  if(NOT run)
    continue()
  endif()
  # Checked, a text dropped from the sources is left over in the copy.
  set(only)
  if(UPDATE)
    set(only -no-obsolete)
  endif()
  if("${run}" STREQUAL "${plural_copies}")
    list(APPEND only -pluralonly -source-language en -target-language en)
  endif()
  execute_process(COMMAND ${LUPDATE} -project ${WORK}/project.json -locations none -silent ${only}
                          -ts ${run}
                  RESULT_VARIABLE updated OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(updated)
    message(FATAL_ERROR "lupdate failed: ${out}")
  endif()
endforeach()
if(UPDATE)
  return()
endif()
execute_process(COMMAND ${CHECK} ${copies} ${plural_copies} RESULT_VARIABLE checked)
if(checked)
  message(FATAL_ERROR "the translations are not complete (update them with the target update_translations)")
endif()
