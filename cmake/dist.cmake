# The distributable folder: the wizard with what ships beside it, and a zip of it.
# The add-on here is the stand-in built from tests/fixtures; the real one replaces it.
if(TARGET VortanBarSetup AND TARGET standin_vortanbar)
  set(DIST_DIR ${CMAKE_BINARY_DIR}/dist/VortanBar)
  add_custom_target(dist
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${DIST_DIR}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${DIST_DIR}
    COMMAND ${CMAKE_STRIP} -o ${DIST_DIR}/VortanBarSetup.exe $<TARGET_FILE:VortanBarSetup>
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:standin_vortanbar> ${DIST_DIR}/VortanBar.dll
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/package/uninstall.bat ${DIST_DIR}/uninstall.bat
    COMMAND ${CMAKE_COMMAND} -E chdir ${CMAKE_BINARY_DIR}/dist
            ${CMAKE_COMMAND} -E tar cf VortanBar.zip --format=zip VortanBar
    DEPENDS VortanBarSetup standin_vortanbar ${CMAKE_SOURCE_DIR}/package/uninstall.bat
    COMMENT "Assembling ${DIST_DIR} and VortanBar.zip"
    VERBATIM)
endif()
