# What the install adds beside the programs (manual pages, AppStream metainfo, licence), the refresh of the
# desktop database after a plain install, and the Debian package that CPack makes from the same install rules.

# Manual pages, English and Japanese, compressed as Debian installs them (gzip -n: no name or time stamp inside,
# so that the package is the same from one build to the next).
set(VANTOLEX_MANUALS vantolex-print.1)
if(VANTOLEX_BUILD_UI)
    list(APPEND VANTOLEX_MANUALS vantolex.1)
endif()
list(APPEND VANTOLEX_MANUALS vantolex-texttopdf.8)
set(vantolexCompressedManuals)
foreach(language IN ITEMS "" ja)
    foreach(manual IN LISTS VANTOLEX_MANUALS)
        set(source ${PROJECT_SOURCE_DIR}/man/${language}/${manual})
        set(compressed ${PROJECT_BINARY_DIR}/man/${language}/${manual}.gz)
        string(REGEX REPLACE "^.*\\.([0-9])$" "\\1" section ${manual})
        add_custom_command(OUTPUT ${compressed}
                           COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man/${language}
                           COMMAND gzip -9 -n -c ${source} > ${compressed}
                           DEPENDS ${source}
                           COMMENT "Compressing manual ${language}/${manual}")
        list(APPEND vantolexCompressedManuals ${compressed})
        if(language STREQUAL "")
            install(FILES ${compressed} DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section})
        else()
            install(FILES ${compressed} DESTINATION ${CMAKE_INSTALL_MANDIR}/${language}/man${section})
        endif()
    endforeach()
endforeach()
add_custom_target(vantolex_manuals ALL DEPENDS ${vantolexCompressedManuals})

if(VANTOLEX_BUILD_UI)
    install(FILES ${PROJECT_SOURCE_DIR}/data/desktop/org.vantolex.Vantolex.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()
# /usr/share/doc/PACKAGE, as Debian names it (CMAKE_INSTALL_DOCDIR would follow the project name's case).
install(FILES ${PROJECT_SOURCE_DIR}/packaging/debian/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vantolex)

# A plain install (no DESTDIR) refreshes the desktop database of its prefix, so that GIO offers the program under
# "Open with" for text files at once; a staged install (DESTDIR, and so every package) leaves that to the
# package manager's triggers. Runs after every other install rule of the project.
if(VANTOLEX_BUILD_UI)
    install(CODE "
        if(\"\$ENV{DESTDIR}\" STREQUAL \"\")
            find_program(vantolexUpdateDesktopDatabase update-desktop-database)
            if(vantolexUpdateDesktopDatabase)
                message(STATUS \"Refreshing the desktop database: \${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\")
                execute_process(COMMAND \${vantolexUpdateDesktopDatabase}
                                        \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\"
                                RESULT_VARIABLE vantolexUpdateResult)
                if(NOT vantolexUpdateResult EQUAL 0)
                    message(WARNING \"update-desktop-database failed (\${vantolexUpdateResult})\")
                endif()
            else()
                message(STATUS \"update-desktop-database not found: run it on \${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications \"
                               \"after installing desktop-file-utils, or desktops will not offer Vantolex under Open with\")
            endif()
        endif()")
endif()

# The Debian package: cpack -G DEB in the build folder makes vantolex_VERSION_ARCH.deb. Configure with
# -DCMAKE_INSTALL_PREFIX=/usr for it (scripts/package does), so that the system's settings file is /etc/vantolex.
set(CPACK_PACKAGE_NAME vantolex)
set(CPACK_PACKAGE_VENDOR "The Vantolex developers")
set(CPACK_PACKAGE_CONTACT "The Vantolex developers <vantolex@users.noreply.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "print plain text densely on a fixed grid, Japanese first")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${PROJECT_SOURCE_DIR}/packaging/debian/description)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
# Staged through DESTDIR, so that install rules with absolute destinations (CUPS's folders) land in the package too.
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beside the libraries dpkg-shlibdeps finds: the fonts the layout is made for, Qt's Japanese texts for the standard
# dialogs, and CUPS's own filters that the chain through vantolex-texttopdf goes on with (pdftopdf makes the copies).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont, fonts-noto-cjk, qt6-translations-l10n, cups-filters-core-drivers")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "cups")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/packaging/debian/postinst
                                       ${PROJECT_SOURCE_DIR}/packaging/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
