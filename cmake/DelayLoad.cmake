# Delay-loaded system libraries: the program links a delay-import library in place of a
# DLL's ordinary import library, so that the DLL is loaded at the first call into it
# rather than before the program starts. The common dialogs, for one, load the print
# spooler, which looks for printers: a large part of the start, for dialogs that are
# opened later if at all. (The loader helper the delay imports call comes with the
# MinGW runtime.)
#
# tx_delay_load(TARGET dll...) defines the interface library TARGET linking the
# delay-import libraries of the named DLLs, made when configuring, each with every
# function of the DLL's ordinary import library.
function(tx_delay_load target)
  add_library(${target} INTERFACE)
  foreach(dll ${ARGN})
    find_library(TX_IMPORT_LIB_${dll} NAMES lib${dll}.a REQUIRED)
    set(def ${CMAKE_BINARY_DIR}/delayload/${dll}.def)
    set(delay_lib ${CMAKE_BINARY_DIR}/delayload/lib${dll}_delay.a)
    execute_process(COMMAND ${CMAKE_NM} -g --defined-only ${TX_IMPORT_LIB_${dll}}
      OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX MATCHALL " I __imp_[A-Za-z0-9_@?$]+" imports "${symbols}")
    list(TRANSFORM imports REPLACE " I __imp_" "")
    list(REMOVE_DUPLICATES imports)
    list(JOIN imports "\n  " exports)
    file(WRITE ${def} "LIBRARY ${dll}.dll\nEXPORTS\n  ${exports}\n")
    execute_process(COMMAND ${CMAKE_DLLTOOL} --input-def ${def} --dllname ${dll}.dll
      --output-delaylib ${delay_lib} COMMAND_ERROR_IS_FATAL ANY)
    target_link_libraries(${target} INTERFACE ${delay_lib})
  endforeach()
endfunction()
