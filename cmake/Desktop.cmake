# What a Linux desktop needs besides the programs: the desktop entry, metainfo,
# icons, file-manager actions, man pages and shell completion, each in its
# standard place under the install prefix. One application id names them all.
set(MORVALENT_APP_ID io.github.morvalent.Morvalent)
set(desktop_dir ${PROJECT_SOURCE_DIR}/resources/desktop)
set(desktop_out ${CMAKE_BINARY_DIR}/desktop)
file(MAKE_DIRECTORY ${desktop_out})

find_program(HELP2MAN help2man REQUIRED)
find_program(GZIP gzip REQUIRED)
find_program(SED sed REQUIRED)

# Man pages from each program's own --help, so they say what the program says.
function(morvalent_man_page target summary)
  set(page ${desktop_out}/${target}.1)
  add_custom_command(
    OUTPUT ${page}.gz
    # The help is Korean: in the C locale help2man would write it as question marks.
    COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 ASAN_OPTIONS=detect_leaks=0
            ${HELP2MAN} --locale=C.UTF-8 --no-info --no-discard-stderr
            --version-string=${PROJECT_VERSION}
            --name=${summary} --output=${page} $<TARGET_FILE:${target}>
    COMMAND ${SED} -i -f ${desktop_dir}/man-examples.sed ${page}
    COMMAND ${GZIP} -9nf ${page}
    DEPENDS ${target} ${desktop_dir}/man-examples.sed
    COMMENT "Man page for ${target}"
    VERBATIM)
  set(desktop_outputs ${desktop_outputs} ${page}.gz PARENT_SCOPE)
  install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()

set(desktop_outputs "")
morvalent_man_page(morvalent-cli "rename many files at once from a terminal")
# The bash completion, written from the same option tables as the help.
add_executable(morvalent-cli-completion src/cli_completion_main.cpp)
target_link_libraries(morvalent-cli-completion PRIVATE morvalent_cli)
set(completion ${desktop_out}/morvalent-cli.bash-completion)
add_custom_command(
  OUTPUT ${completion}
  COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
          $<TARGET_FILE:morvalent-cli-completion> ${completion}
  DEPENDS morvalent-cli-completion
  COMMENT "bash completion for morvalent-cli"
  VERBATIM)
list(APPEND desktop_outputs ${completion})
install(FILES ${completion}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME morvalent-cli)

# The Debian changelog of a native package, compressed as policy asks.
add_custom_command(
  OUTPUT ${desktop_out}/changelog.gz
  COMMAND ${GZIP} -9nc ${desktop_dir}/changelog > ${desktop_out}/changelog.gz
  DEPENDS ${desktop_dir}/changelog
  VERBATIM)
list(APPEND desktop_outputs ${desktop_out}/changelog.gz)
install(FILES ${desktop_dir}/copyright ${desktop_out}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

if(MORVALENT_BUILD_GUI)
  find_program(RSVG_CONVERT rsvg-convert REQUIRED)
  morvalent_man_page(morvalent "batch file renamer window")

  set(icon_svg ${PROJECT_SOURCE_DIR}/resources/icons/morvalent.svg)
  foreach(size 48 256)
    set(png ${desktop_out}/${size}/${MORVALENT_APP_ID}.png)
    add_custom_command(
      OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${desktop_out}/${size}
      COMMAND ${RSVG_CONVERT} --width=${size} --height=${size} --output=${png} ${icon_svg}
      DEPENDS ${icon_svg}
      VERBATIM)
    list(APPEND desktop_outputs ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
  install(FILES ${icon_svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
          RENAME ${MORVALENT_APP_ID}.svg)

  install(FILES ${desktop_dir}/${MORVALENT_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${desktop_dir}/${MORVALENT_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  # The file managers that read actions from a system-wide place; Nautilus and
  # Thunar keep theirs per user (morvalent-cli --install-file-manager-actions).
  install(FILES ${desktop_dir}/dolphin-servicemenu.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/kio/servicemenus RENAME ${MORVALENT_APP_ID}.desktop)
  install(FILES ${desktop_dir}/${MORVALENT_APP_ID}.nemo_action
          DESTINATION ${CMAKE_INSTALL_DATADIR}/nemo/actions)
endif()

add_custom_target(morvalent_desktop_files ALL DEPENDS ${desktop_outputs})
