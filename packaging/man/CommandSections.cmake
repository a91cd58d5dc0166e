# Writes a help2man include file with one subsection per volmar-cli command,
# each the command's own --help text, so that the man page says what the
# program says. Usage: cmake -DCLI=PATH -DOUT=FILE -P CommandSections.cmake
execute_process(COMMAND "${CLI}" --help OUTPUT_VARIABLE overview RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${CLI} --help failed (${rc})")
endif()
string(REGEX MATCH "Commands:\n(.*)\n\n" block "${overview}")
string(REGEX MATCHALL "\n  [a-z][a-z0-9-]*" names "\n${CMAKE_MATCH_1}")
set(text "[COMMAND DETAILS]\n")
foreach(line IN LISTS names)
  string(STRIP "${line}" name)
  execute_process(COMMAND "${CLI}" "${name}" --help OUTPUT_VARIABLE help RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${CLI} ${name} --help failed (${rc})")
  endif()
  # roff: a backslash is \e, a line may not start with a control character.
  string(REPLACE "\\" "\\e" help "${help}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")
  string(APPEND text ".SS ${name}\n.nf\n${help}.fi\n")
endforeach()
file(WRITE "${OUT}" "${text}")
