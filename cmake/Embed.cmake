# SPDX-License-Identifier: GPL-3.0-or-later
# Compiles a file's bytes into a target as ninebox::embedded::<name>, a std::string_view,
# so the program reads no data file at run time:
#   ninebox_embed(<target> <name> <file>)
# Run as a script (-P) with INPUT, OUTPUT and NAME set, it writes that source.
if(CMAKE_SCRIPT_MODE_FILE)
  file(READ "${INPUT}" hex HEX)
  string(LENGTH "${hex}" hexlen)
  math(EXPR size "${hexlen} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
  file(WRITE "${OUTPUT}"
  "// Generated from ${INPUT}; do not edit.\n"
  "#include <string_view>\n"
  "namespace ninebox::embedded {\n"
  "static const char data[] = {${bytes} 0};\n"
  "extern const std::string_view ${NAME}(data, ${size});\n"
  "}\n")
  return()
endif()

function(ninebox_embed target name file)
  set(output ${CMAKE_CURRENT_BINARY_DIR}/embedded_${name}.cpp)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${file} -DOUTPUT=${output} -DNAME=${name}
            -P ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
    DEPENDS ${file} ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
    VERBATIM)
  # The target may belong to a parent folder, which sees the rule only through a target.
  add_custom_target(${target}_embed_${name} DEPENDS ${output})
  add_dependencies(${target} ${target}_embed_${name})
  set_source_files_properties(${output} TARGET_DIRECTORY ${target} PROPERTIES GENERATED ON SKIP_AUTOGEN ON)
  target_sources(${target} PRIVATE ${output})
endfunction()
