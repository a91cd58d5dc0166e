# The texts the programs show the user, read from the sources: every
# message constant (kMsg..., kAsk...), every literal given with a message
# icon ({MessageIcon::Error, "..."}), every field refusal ("Setting error:
# ..."), every refusal a dialog returns (Refuse("...")) and the encrypted
# link's error lines ("Error:..."). Sets MESSAGE_TEXTS to the texts, each as
# written in the source (escapes kept: \n stands for a line break).
function(volmar_message_texts src_dir out_var)
  file(GLOB_RECURSE sources ${src_dir}/core/*.cpp ${src_dir}/core/*.h ${src_dir}/gui/*.cpp ${src_dir}/gui/*.h)
  set(lit [=["(([^"\\]|\\.)*)"]=])
  set(texts "")
  foreach(source IN LISTS sources)
    file(READ ${source} code)
    # Comment lines go; adjacent literals ("a" "b") become one.
    string(REGEX REPLACE "\n[ \t]*//[^\n]*" "\n" code "${code}")
    string(REPLACE "\\\"" "\\x22" code "${code}")
    string(REGEX REPLACE [=["[ \t\r\n]+"]=] "" code "${code}")
    string(REPLACE ";" "\\;" code "${code}")
    foreach(pattern
        "k(Msg|Ask)[A-Za-z0-9_]*[ \t\r\n]*=[ \t\r\n]*${lit}"
        "MessageIcon::[A-Za-z]+,[ \t\r\n]*${lit}"
        "Refuse\\(([A-Za-z_]+,[ \t]*)?${lit}"
        "(\")(Setting error:([^\"\\\\]|\\\\.)*)\""
        "(\")(Error:([^\"\\\\]|\\\\.)*)\"")
      string(REGEX MATCHALL "${pattern}" hits "${code}")
      foreach(hit IN LISTS hits)
        string(REGEX MATCH "${lit}$" quoted "${hit}")
        string(REGEX REPLACE "^\"(.*)\"$" "\\1" text "${quoted}")
        if(NOT text STREQUAL "")
          list(APPEND texts "${text}")
        endif()
      endforeach()
    endforeach()
  endforeach()
  list(REMOVE_DUPLICATES texts)
  list(SORT texts)
  set(${out_var} "${texts}" PARENT_SCOPE)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE AND DEFINED SRC AND NOT DEFINED GUIDE)
  volmar_message_texts(${SRC} texts)
  foreach(t IN LISTS texts)
    message("${t}")
  endforeach()
endif()
