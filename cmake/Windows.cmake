# The Windows build's extras: the tests run under wine, and the install tree
# is the folder that runs on a Windows PC, packed into a zip by CPack and
# into an MSI by wixl (tools/build-windows.sh).

get_target_property(pendra_qt_core Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(pendra_qt_bin "${pendra_qt_core}" DIRECTORY)
get_target_property(pendra_qt_platform Qt6::QWindowsIntegrationPlugin IMPORTED_LOCATION_RELEASE)
get_filename_component(pendra_qt_plugins "${pendra_qt_platform}" DIRECTORY)
get_filename_component(pendra_qt_plugins "${pendra_qt_plugins}" DIRECTORY)

# Where the compiler keeps its run-time DLLs.
set(pendra_runtime_dirs "${pendra_qt_bin}")
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
        OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${found}" OR NOT EXISTS "${found}")
        message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${dll} is")
    endif()
    get_filename_component(dir "${found}" DIRECTORY)
    get_filename_component(dir "${dir}" REALPATH)
    list(APPEND pendra_runtime_dirs "${dir}")
endforeach()
list(REMOVE_DUPLICATES pendra_runtime_dirs)

# Tests run under wine through this wrapper: wine sees / as drive Z:.
if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
    set(PENDRA_WINEPREFIX "${CMAKE_BINARY_DIR}/wine")
    set(PENDRA_WINEPATH "")
    foreach(dir IN LISTS pendra_runtime_dirs)
        string(REPLACE "/" "\\\\" dir "Z:${dir}")
        string(APPEND PENDRA_WINEPATH "${dir};")
    endforeach()
    set(PENDRA_QT_PLUGIN_PATH "Z:${pendra_qt_plugins}")
    configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh @ONLY
        FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                         WORLD_READ WORLD_EXECUTE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)
endif()

# The folder: the programs, the plugins Qt loads by name (no import
# names them), and every DLL that these import, found from their imports
# (InstallRuntime.cmake).
install(TARGETS pendra pendra-hostsim pendra-hostcheck RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
# The licence of the font compiled into pendra.exe (ui/CMakeLists.txt writes it).
install(FILES ${PENDRA_FONT_LICENCE_FILE} DESTINATION .)
# The group-policy templates, for IT's PolicyDefinitions folder: pendra.admx
# and one pendra.adml in a folder per language.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/res/windows/policy/ DESTINATION policy
    FILES_MATCHING PATTERN "*.admx" PATTERN "*.adml")
set(CPACK_STRIP_FILES ON)
set(pendra_plugins)
foreach(plugin QWindowsIntegrationPlugin QWindowsVistaStylePlugin QSvgIconPlugin QSvgPlugin)
    list(APPEND pendra_plugins "$<TARGET_FILE:Qt6::${plugin}>")
endforeach()
install(CODE "
    set(PENDRA_EXECUTABLES \"$<TARGET_FILE:pendra>;$<TARGET_FILE:pendra-hostsim>;$<TARGET_FILE:pendra-hostcheck>\")
    set(PENDRA_PLUGINS \"${pendra_plugins}\")
    set(PENDRA_DLL_DIRS \"${pendra_runtime_dirs}\")
    set(PENDRA_OBJDUMP \"${CMAKE_OBJDUMP}\")
    set(PENDRA_STRIP \"${CMAKE_STRIP}\")
")
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/InstallRuntime.cmake)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME pendra)
set(CPACK_PACKAGE_VENDOR Orvane)
set(CPACK_PACKAGE_FILE_NAME "pendra-${PROJECT_VERSION}-windows-x64")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
include(CPack)

# The MSI's description; tools/make-msi.sh (run by tools/build-windows.sh)
# runs wixl on it in this folder, with the dist folder's files. The icon's
# path is relative to it.
set(PENDRA_ICON_FILE ui/pendra.ico)
configure_file(${PROJECT_SOURCE_DIR}/res/windows/pendra.wxs.in ${CMAKE_BINARY_DIR}/pendra.wxs @ONLY)
