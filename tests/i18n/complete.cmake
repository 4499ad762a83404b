# lupdate run over copies of the translation files, as the target
# update_translations runs it over the files themselves: a text added,
# changed or dropped in the sources since shows in the copies as not
# translated or left over, which tscheck reports with any translation that
# lost or gained a %-argument.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(copies)
foreach(file ${FILES})
  get_filename_component(base ${file} NAME)
  file(COPY_FILE ${file} ${WORK}/${base})
  list(APPEND copies ${WORK}/${base})
endforeach()
# The sources lupdate reads, as Qt's update target lists them.
execute_process(COMMAND ${CMAKE_COMMAND} -DIN_FILE=${PROJECT} -DOUT_FILE=${WORK}/project.json -P ${GENERATE}
                RESULT_VARIABLE listed OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(listed)
  message(FATAL_ERROR "the sources could not be listed: ${out}")
endif()
execute_process(COMMAND ${LUPDATE} -project ${WORK}/project.json -locations none -silent -ts ${copies}
                RESULT_VARIABLE updated OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(updated)
  message(FATAL_ERROR "lupdate failed: ${out}")
endif()
execute_process(COMMAND ${CHECK} ${copies} RESULT_VARIABLE checked)
if(checked)
  message(FATAL_ERROR "the translations are not complete (update them with the target update_translations)")
endif()
