# embed_binary(OUTPUT out.cpp SYMBOL name FILE path)
# Turns a file into a C++ source defining `extern const std::span<const unsigned char> name`, regenerated
# whenever the file changes, so that the program needs no file beside it.
function(embed_binary)
  cmake_parse_arguments(ARG "" "OUTPUT;SYMBOL;FILE" "" ${ARGN})
  add_custom_command(
    OUTPUT ${ARG_OUTPUT}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${ARG_FILE} -DOUTPUT=${ARG_OUTPUT} -DSYMBOL=${ARG_SYMBOL}
            -P ${CMAKE_SOURCE_DIR}/cmake/EmbedFile.cmake
    DEPENDS ${ARG_FILE} ${CMAKE_SOURCE_DIR}/cmake/EmbedFile.cmake
    COMMENT "Embedding ${ARG_FILE}"
    VERBATIM)
endfunction()
