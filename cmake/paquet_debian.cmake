# Run by CPack on the files staged for the Debian package, before it packs them: takes out of
# the program the sections that Debian's own packaging strips too (the compiler's .comment and
# .note), which CPack's plain strip keeps.
execute_process(
  COMMAND "${CPACK_TAVIK_STRIP}" --remove-section=.comment --remove-section=.note
          "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/${CPACK_TAVIK_PROGRAMME}"
  COMMAND_ERROR_IS_FATAL ANY)
