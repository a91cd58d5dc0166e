# What `cmake --install` puts where, and the Debian package CPack builds from
# it (scripts/package). Included from the top-level CMakeLists.txt.
include(GNUInstallDirs)

set(VOLMAR_UDEV_RULES_DIR "lib/udev/rules.d" CACHE STRING "Where the udev rule goes, below the prefix")
set(VOLMAR_APP_ID "com.nordwald.volmar")
set(pkg "${CMAKE_CURRENT_SOURCE_DIR}/packaging")

foreach(program volmar volmar-cli qn70g-sim)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

install(FILES ${pkg}/volmar.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${pkg}/${VOLMAR_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${pkg}/icons/volmar.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${pkg}/icons/volmar-${size}.png RENAME volmar.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${pkg}/completion/volmar-cli DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
install(FILES ${pkg}/71-volmar.rules DESTINATION ${VOLMAR_UDEV_RULES_DIR})

# Compressed as Debian wants them: gzip -9 without name or time stamp.
set(gen "${CMAKE_BINARY_DIR}/packaging")
file(MAKE_DIRECTORY ${gen}/man)
add_custom_command(OUTPUT ${gen}/changelog.gz
  COMMAND gzip -9nc ${pkg}/changelog > ${gen}/changelog.gz
  DEPENDS ${pkg}/changelog VERBATIM)
set(generated ${gen}/changelog.gz)
install(FILES ${pkg}/copyright ${gen}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

# A manual page per program, made by help2man from the program's own --help
# and --version, so that the two never disagree; volmar-cli's page also
# holds every command's --help.
find_program(HELP2MAN help2man)
set(man_names "")
if(HELP2MAN)
  set(summary_volmar "configuration tool for the QN70G data-logging unit")
  set(summary_volmar-cli "QN70G settings files and unit operations without a window")
  set(summary_qn70g-sim "simulated QN70G data-logging unit")
  foreach(program volmar volmar-cli qn70g-sim)
    if(NOT TARGET ${program})
      continue()
    endif()
    set(includes --include ${pkg}/man/${program}.h2m)
    if(program STREQUAL "volmar")
      # Its --version names the application "VOLMAR"; the page is volmar(1).
      list(APPEND includes --version-string ${PROJECT_VERSION})
    endif()
    set(depends ${program} ${pkg}/man/${program}.h2m)
    if(program STREQUAL "volmar-cli")
      add_custom_command(OUTPUT ${gen}/man/commands.h2m
        COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:volmar-cli> -DOUT=${gen}/man/commands.h2m
                -P ${pkg}/man/CommandSections.cmake
        DEPENDS volmar-cli ${pkg}/man/CommandSections.cmake VERBATIM)
      list(APPEND includes --include ${gen}/man/commands.h2m)
      list(APPEND depends ${gen}/man/commands.h2m)
    endif()
    # help2man reads and writes text in its locale, C by default, where each
    # byte of a UTF-8 character (the "·" of the labels) becomes "?".
    add_custom_command(OUTPUT ${gen}/man/${program}.1 ${gen}/man/${program}.1.gz
      COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
              ${HELP2MAN} --locale C.UTF-8 --no-info --section 1 --name "${summary_${program}}" ${includes}
              --output ${gen}/man/${program}.1 $<TARGET_FILE:${program}>
      COMMAND gzip -9nkf ${gen}/man/${program}.1
      DEPENDS ${depends} VERBATIM)
    list(APPEND generated ${gen}/man/${program}.1.gz)
    install(FILES ${gen}/man/${program}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endforeach()
else()
  message(WARNING "help2man not found: no manual pages (scripts/deps installs it)")
endif()
add_custom_target(volmar_packaging_data ALL DEPENDS ${generated})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME volmar)
set(CPACK_PACKAGE_VENDOR NORDWALD)
set(CPACK_PACKAGE_CONTACT "NORDWALD VOLMAR team <volmar@nordwald.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration tool for the QN70G data-logging unit")
# CPack puts the summary above this as the first line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "VOLMAR edits the whole setting of a QN70G data-logging and telemetry unit
offline, keeps it as an XML settings file, and moves it to and from a unit
over a USB serial port or TCP, plain or encrypted.
.
The package holds the desktop application (volmar), the command-line tool
(volmar-cli) and a simulated unit (qn70g-sim).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Library dependencies come from dpkg-shlibdeps; Qt's platform plugins are
# loaded at run time, so no tool can see that the window needs them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hicolor-icon-theme")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
include(CPack)
