# A Windows program of the project built like the setup program: its own
# entry point EntryPoint, no C runtime (the compiler helpers come from the
# noruntime objects), GUI subsystem and OS version 4.0, no debug sections.
#   add_no_runtime_program(NAME SOURCES... LIBRARIES libs...)
function(add_no_runtime_program name)
  cmake_parse_arguments(PROGRAM "" "" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} WIN32 ${PROGRAM_SOURCES})
  target_compile_options(${name} PRIVATE ${PRODUCT_COMPILE_OPTIONS})
  set_target_properties(${name} PROPERTIES LINKER_LANGUAGE CXX)
  target_link_options(${name} PRIVATE
    -nostdlib -nostartfiles -static-libgcc
    -Wl,-e,_EntryPoint@0
    -Wl,--subsystem,windows:4.0
    -Wl,--major-os-version,4 -Wl,--minor-os-version,0
    -Wl,--major-subsystem-version,4 -Wl,--minor-subsystem-version,0
    -Wl,-Map,${CMAKE_CURRENT_BINARY_DIR}/${name}.map
    -s)
  # libgcc stays for 64-bit division and stack probes; nothing else of a runtime.
  target_link_libraries(${name} PRIVATE noruntime ${PROGRAM_LIBRARIES} gcc)
endfunction()
