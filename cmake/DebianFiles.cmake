# Run by CPack on its staging tree, before the package is made: what Debian asks of a
# package but a plain install does not need. Manual pages and the changelog are
# compressed with gzip -9n, so that the package is the same from one build to the next.
set(root ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
set(doc ${root}/share/doc/${CPACK_PACKAGE_NAME})
# file(COPY), not file(INSTALL): CPack still has DESTDIR set, which file(INSTALL) would
# put in front of the staging folder.
file(COPY ${CPACK_VASTREL_LINUX_DIR}/copyright ${CPACK_VASTREL_LINUX_DIR}/changelog
     DESTINATION ${doc} FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)

file(GLOB_RECURSE uncompressed ${root}/share/man/*.[1-9] ${doc}/changelog)
foreach(file IN LISTS uncompressed)
    execute_process(COMMAND gzip -9nf ${file} RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "gzip could not compress ${file}")
    endif()
endforeach()
