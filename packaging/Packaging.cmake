# The Debian package (cpack -G DEB): the programs, templates and translations installed by their
# folders, plus the desktop metadata, manual pages, shell completion and the udev rule.
set(packaging_dir ${CMAKE_SOURCE_DIR}/packaging)
install(FILES ${packaging_dir}/net.valdren.ValdrenCps.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${packaging_dir}/vdcps.1 ${packaging_dir}/ValdrenCps.1
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${packaging_dir}/vdcps.bash-completion
    DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME vdcps)
install(FILES ${packaging_dir}/70-valdren-cps.rules DESTINATION lib/udev/rules.d)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME valdren-cps)
set(CPACK_PACKAGE_VENDOR "Valdren")
set(CPACK_PACKAGE_CONTACT "Valdren CPS developers <cps@valdren.net>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programming software for Valdren hand-held radios")
set(CPACK_PACKAGE_DESCRIPTION
    "Reads, edits and writes the configuration of Valdren hand-held two-way radios over their\n"
    "USB programming cable: the desktop program ValdrenCps and the command-line tool vdcps.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "bash-completion")
include(CPack)
