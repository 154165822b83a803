# Turns a program's --help into a manual page, and for voltaroctl into its
# bash completion too, so the program's own help is the one source of both:
#   cmake -DPROGRAM=path -DNAME=voltaroctl -DSUMMARY="..." -DMAN=out.1
#         [-DCOMMANDS=ON] [-DCOMPLETION=out] -P help_to_man.cmake
# The help is laid out as the tool prints it: a summary line, "Usage: ...",
# then blocks headed "Options:", "Commands:", "Environment:", ... whose
# entries are "  NAME   Description" lines; other lines are plain text.
# With COMMANDS, every command's own --help becomes a subsection.

cmake_policy(SET CMP0007 NEW)  # blank help lines end a block

# Roff text: backslashes and minus signs escaped, no line starting a request.
function(roff_text out text)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  string(REGEX REPLACE "^([.'])" "\\\\&\\1" text "${text}")
  string(REPLACE "<semicolon>" ";" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The lines of PROGRAM's help for ARGS.
function(help_lines out)
  execute_process(COMMAND ${PROGRAM} ${ARGN} --help OUTPUT_VARIABLE text RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} ${ARGN} --help failed")
  endif()
  string(REPLACE ";" "<semicolon>" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  set(${out} "${lines}" PARENT_SCOPE)
endfunction()

# Roff for help lines. HEADING goes before the usage line and DESCRIBE
# between it and the summary; a block's title becomes BLOCK_FORMAT with the
# title in capitals in place of @, as written in place of %. OPTIONS_OUT gets the option names (for the completion),
# COMMANDS_OUT the entries of a "Commands:" block.
function(help_to_roff out options_out commands_out heading describe block_format)
  set(roff "")
  set(block "")
  set(options "")
  set(commands "")
  set(plain FALSE)
  list(POP_FRONT ARGN summary)
  roff_text(summary "${summary}")
  foreach(line IN LISTS ARGN)
    if(line MATCHES "^Usage: (.*)$")
      roff_text(usage "${CMAKE_MATCH_1}")
      string(APPEND roff "${heading}\n.B ${usage}\n${describe}\n${summary}\n")
    elseif(line MATCHES "^([A-Z][A-Za-z ]*):$")
      set(block "${CMAKE_MATCH_1}")
      string(TOUPPER "${block}" title)
      string(REPLACE "@" "${title}" text "${block_format}")
      string(REPLACE "%" "${block}" text "${text}")
      string(APPEND roff "${text}\n")
    elseif(line MATCHES "^Exit status: (.*)$")
      roff_text(text "${CMAKE_MATCH_1}")
      string(APPEND roff ".SH \"EXIT STATUS\"\n${text}\n")
    elseif(line MATCHES "^  ([^ ].*[^ ]|[^ ])   *([^ ].*)$" AND NOT block STREQUAL "")
      set(name "${CMAKE_MATCH_1}")
      roff_text(tag "${name}")
      roff_text(text "${CMAKE_MATCH_2}")
      string(APPEND roff ".TP\n.B ${tag}\n${text}\n")
      if(block STREQUAL "Options")
        string(REGEX MATCHALL "-[-A-Za-z0-9]+" names "${name}")
        list(APPEND options ${names})
      elseif(block STREQUAL "Commands")
        list(APPEND commands "${name}")
      endif()
    elseif(line MATCHES "^   +([^ ].*)$")  # an entry's description goes on
      roff_text(text "${CMAKE_MATCH_1}")
      string(APPEND roff "${text}\n")
    elseif(line STREQUAL "")
      if(NOT block STREQUAL "")
        string(APPEND roff ".PP\n")
      endif()
      set(block "")
    else()  # plain text: a paragraph from the first line after a break
      roff_text(text "${line}")
      if(NOT plain)
        string(APPEND roff ".PP\n")
      endif()
      string(APPEND roff "${text}\n")
      set(plain TRUE)
      continue()
    endif()
    set(plain FALSE)
  endforeach()
  set(${out} "${roff}" PARENT_SCOPE)
  set(${options_out} "${options}" PARENT_SCOPE)
  set(${commands_out} "${commands}" PARENT_SCOPE)
endfunction()

string(TOUPPER "${NAME}" upper)
execute_process(COMMAND ${PROGRAM} --version OUTPUT_VARIABLE version
                OUTPUT_STRIP_TRAILING_WHITESPACE)
roff_text(summary "${SUMMARY}")
set(man ".TH ${upper} 1 \"\" \"${version}\" \"User Commands\"\n")
string(APPEND man ".SH NAME\n${NAME} \\- ${summary}\n")
help_lines(lines)
help_to_roff(body tool_options commands ".SH SYNOPSIS" ".SH DESCRIPTION" ".SH @" ${lines})
# The exit statuses close the page.
string(REGEX MATCH "\\.SH \"EXIT STATUS\"\n[^\n]*\n" exit_status "${body}")
string(REPLACE "${exit_status}" "" body "${body}")
string(APPEND man "${body}")
set(completion_cases "")
if(COMMANDS)
  string(APPEND man ".SH \"COMMAND DETAILS\"\n")
  foreach(command IN LISTS commands)
    help_lines(lines ${command})
    # The exit statuses are said once, for the tool.
    list(FILTER lines EXCLUDE REGEX "^Exit status:")
    help_to_roff(body options subcommands ".SS \"${NAME} ${command}\"" ".br" ".PP\n.I %:" ${lines})
    string(APPEND man "${body}")
    list(JOIN options " " words)
    list(JOIN subcommands " " more)
    string(STRIP "${words} ${more}" words)
    string(APPEND completion_cases "    ${command}) words=\"${words}\" ;;\n")
  endforeach()
endif()
string(APPEND man "${exit_status}.SH \"SEE ALSO\"\n")
if(NAME STREQUAL "voltaro")
  string(APPEND man ".BR voltaroctl (1)\n")
else()
  string(APPEND man ".BR voltaro (1)\n")
endif()
file(WRITE ${MAN} "${man}")

if(COMPLETION)
  list(JOIN commands " " command_words)
  list(JOIN tool_options " " tool_words)
  file(WRITE ${COMPLETION} "# bash completion for ${NAME}, made from its --help at build time.
_${NAME}() {
  local current=\${COMP_WORDS[COMP_CWORD]} previous=\${COMP_WORDS[COMP_CWORD-1]} words
  case \$previous in
    --simulate|--samples|--scenario|--out)
      COMPREPLY=(\$(compgen -f -- \"\$current\")); return ;;
    --sysfs|--data|--backlight)
      COMPREPLY=(\$(compgen -d -- \"\$current\")); return ;;
  esac
  if [ \"\$COMP_CWORD\" -eq 1 ]; then
    COMPREPLY=(\$(compgen -W \"${command_words} ${tool_words}\" -- \"\$current\"))
    return
  fi
  case \${COMP_WORDS[1]} in
${completion_cases}    *) words=\"\" ;;
  esac
  COMPREPLY=(\$(compgen -W \"\$words\" -- \"\$current\"))
  [ \${#COMPREPLY[@]} -eq 0 ] && COMPREPLY=(\$(compgen -f -- \"\$current\"))
}
complete -F _${NAME} ${NAME}
")
endif()
