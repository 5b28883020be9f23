# The panel's translations: i18n/pendra_<language>.ts, kept in the repository,
# become .qm catalogues with Qt's lrelease, and are compiled into the program
# under :/i18n. Qt's own catalogues for the same languages (the texts of Qt's
# dialogs and buttons) come with Debian's Qt on Linux (qt6-translations-l10n,
# which the .deb recommends); the Windows program carries them compiled in. The host's lrelease and lupdate serve
# the Windows build as well: catalogues are the same on every system.

# The languages beside English, as Qt's catalogues name them.
set(PENDRA_LANGUAGES de fr it es pt_BR pl cs tr ja ko zh_CN zh_TW)

find_program(PENDRA_LRELEASE NAMES lrelease lrelease-qt6
    HINTS /usr/lib/qt6/bin /usr/lib/x86_64-linux-gnu/qt6/bin NO_CMAKE_FIND_ROOT_PATH)
find_program(PENDRA_LUPDATE NAMES lupdate lupdate-qt6
    HINTS /usr/lib/qt6/bin /usr/lib/x86_64-linux-gnu/qt6/bin NO_CMAKE_FIND_ROOT_PATH)
find_path(PENDRA_QT_CATALOGUES qtbase_de.qm
    HINTS /usr/share/qt6/translations NO_CMAKE_FIND_ROOT_PATH)
if(NOT PENDRA_LRELEASE OR NOT PENDRA_LUPDATE OR NOT PENDRA_QT_CATALOGUES)
    message(FATAL_ERROR "Qt's Linguist tools and Qt's own translations are needed: "
                        "apt-get install qt6-l10n-tools qt6-translations-l10n "
                        "(tools/install-deps.sh installs them)")
endif()

# Every file that holds texts for translation, for lupdate.
# (tests/i18n/check-translations.py names the same.)
set(PENDRA_TRANSLATED_SOURCES ui panel res/panelwindow.ui res/setupdialog.ui res/aboutdialog.ui)

# Compiles the catalogues into target's resources.
function(pendra_add_translations target)
    set(dir ${CMAKE_CURRENT_BINARY_DIR}/i18n)
    set(catalogues "")
    foreach(language IN LISTS PENDRA_LANGUAGES)
        set(ts ${PROJECT_SOURCE_DIR}/i18n/pendra_${language}.ts)
        set(qm ${dir}/pendra_${language}.qm)
        add_custom_command(OUTPUT ${qm}
            COMMAND ${PENDRA_LRELEASE} -silent ${ts} -qm ${qm}
            DEPENDS ${ts} VERBATIM)
        list(APPEND catalogues ${qm})
        set(qt_qm ${PENDRA_QT_CATALOGUES}/qtbase_${language}.qm)
        if(NOT EXISTS ${qt_qm})
            message(FATAL_ERROR "Qt has no catalogue for ${language}: ${qt_qm}")
        endif()
        if(WIN32)
            configure_file(${qt_qm} ${dir}/qtbase_${language}.qm COPYONLY)
            list(APPEND catalogues ${dir}/qtbase_${language}.qm)
        endif()
    endforeach()
    set_source_files_properties(${catalogues} PROPERTIES GENERATED TRUE)
    qt_add_resources(${target} pendra_catalogues PREFIX /i18n BASE ${dir} FILES ${catalogues})
endfunction()

# Brings every .ts file level with the code: new texts appear unfinished,
# texts gone from the code are marked vanished. Run it after changing a text:
#   cmake --build build --target update_translations
set(pendra_ts_files "")
foreach(language IN LISTS PENDRA_LANGUAGES)
    list(APPEND pendra_ts_files ${PROJECT_SOURCE_DIR}/i18n/pendra_${language}.ts)
endforeach()
add_custom_target(update_translations
    COMMAND ${PENDRA_LUPDATE} -silent -I . -locations none -extensions cpp,h,ui
            ${PENDRA_TRANSLATED_SOURCES} -ts ${pendra_ts_files}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    COMMENT "Updating the .ts files from the code"
    VERBATIM)
