# Install step of the Windows folder: the plugins into their categories, and
# the DLLs that the programs and plugins import, followed import by import
# with objdump. System DLLs (found in no search directory) stay out.

cmake_policy(VERSION 3.25)

set(prefix "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
foreach(plugin IN LISTS PENDRA_PLUGINS)
    get_filename_component(category "${plugin}" DIRECTORY)
    get_filename_component(category "${category}" NAME)
    file(INSTALL "${plugin}" DESTINATION "${prefix}/${category}")
endforeach()

# Windows matches DLL names without regard to case; this file system does not.
foreach(dir IN LISTS PENDRA_DLL_DIRS)
    file(GLOB dlls "${dir}/*.dll")
    foreach(dll IN LISTS dlls)
        get_filename_component(name "${dll}" NAME)
        string(TOLOWER "${name}" lower)
        if(NOT DEFINED "available_${lower}")
            set("available_${lower}" "${dll}")
        endif()
    endforeach()
endforeach()

# What no search directory holds must be part of Windows. Where wine is
# installed its own DLLs tell, so a missing third-party DLL cannot slip by.
set(wine_dlls /usr/lib/x86_64-linux-gnu/wine/x86_64-windows)

set(queue ${PENDRA_EXECUTABLES} ${PENDRA_PLUGINS})
set(seen)
set(shipped)
set(system)
while(queue)
    list(POP_FRONT queue file)
    execute_process(COMMAND "${PENDRA_OBJDUMP}" -p "${file}"
        OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "${PENDRA_OBJDUMP} cannot read ${file}")
    endif()
    string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${dump}")
    foreach(import IN LISTS imports)
        string(REGEX REPLACE "^DLL Name: *" "" name "${import}")
        string(STRIP "${name}" name)
        string(TOLOWER "${name}" lower)
        if(lower IN_LIST seen)
            continue()
        endif()
        list(APPEND seen "${lower}")
        if(DEFINED "available_${lower}")
            list(APPEND shipped "${available_${lower}}")
            list(APPEND queue "${available_${lower}}")
        elseif(lower MATCHES "^(api|ext)-ms-")
            # API sets: names the system resolves itself.
            list(APPEND system "${name}")
        elseif(IS_DIRECTORY "${wine_dlls}" AND NOT EXISTS "${wine_dlls}/${lower}")
            message(FATAL_ERROR "${file} imports ${name}, found nowhere and no system DLL")
        else()
            list(APPEND system "${name}")
        endif()
    endforeach()
endwhile()

file(INSTALL ${shipped} DESTINATION "${prefix}" FOLLOW_SYMLINK_CHAIN)
# The MinGW run-time DLLs come with their symbol tables: 24 MB for libstdc++
# alone. Windows needs none of them.
foreach(dll IN LISTS shipped)
    get_filename_component(name "${dll}" NAME)
    execute_process(COMMAND "${PENDRA_STRIP}" --strip-unneeded "${prefix}/${name}"
        RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "${PENDRA_STRIP} failed on ${name}")
    endif()
endforeach()
list(SORT system CASE INSENSITIVE)
list(JOIN system " " system)
message(STATUS "Left to Windows: ${system}")
