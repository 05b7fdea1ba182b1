# What `cmake --install` puts under the prefix: the two programs, the demo image, and everything a
# Linux desktop needs to list the editor (desktop entry, icons, AppStream metainfo, man pages).
include(GNUInstallDirs)

set(PELMORA_APP_ID io.github.pelmora.Pelmora)
set(PELMORA_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)

if(TARGET pelmora-cli)
  install(TARGETS pelmora-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PELMORA_PACKAGING_DIR}/man/pelmora-cli.1
          DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

# The installed editor looks for the demo at <bindir>/../share/pelmora/demo.nes. The fresh image
# is installed, never the copy in bin/ that the user may have edited.
if(TARGET pelmora_demo_image)
  install(FILES ${PELMORA_PRISTINE_DEMO_IMAGE} DESTINATION ${CMAKE_INSTALL_DATADIR}/pelmora)
endif()

if(TARGET pelmora)
  install(TARGETS pelmora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PELMORA_PACKAGING_DIR}/man/pelmora.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${PELMORA_PACKAGING_DIR}/${PELMORA_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PELMORA_PACKAGING_DIR}/${PELMORA_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  foreach(size 16 22 24 32 48 64 128 256)
    install(FILES ${PELMORA_PACKAGING_DIR}/icons/${size}x${size}/${PELMORA_APP_ID}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
  install(FILES ${PELMORA_PACKAGING_DIR}/icons/scalable/${PELMORA_APP_ID}.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

# The licence, where Debian looks for it.
install(FILES ${PELMORA_PACKAGING_DIR}/debian/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/pelmora)
