# `cmake --install` and the CPack archive lay out one program folder that runs wherever
# it is copied: the programs with Data/, Images/, the user guide and the icon beside
# them, since the program finds its tables beside itself and writes its settings, site
# list and histories there. Qt comes from the system.
if(TARGET corvane38)
    install(TARGETS corvane38 RUNTIME DESTINATION .)
    install(FILES ${CMAKE_SOURCE_DIR}/app/resources/MAINICON.png DESTINATION .
            RENAME corvane38.png)
endif()
install(TARGETS corvane38-cli RUNTIME DESTINATION .)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/Data ${CMAKE_SOURCE_DIR}/data/Images DESTINATION .)
install(PROGRAMS ${CMAKE_SOURCE_DIR}/scripts/install-user.sh DESTINATION .)

set(CPACK_GENERATOR TGZ)
set(CPACK_PACKAGE_NAME corvane38)
set(CPACK_PACKAGE_VENDOR Brenmoor)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Corvane 38 waveguide assembly configurator")
set(CPACK_PACKAGE_FILE_NAME corvane38-${PROJECT_VERSION}-linux)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
include(CPack)
