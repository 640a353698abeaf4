# Installs the build into a scratch prefix whose path has a blank and a dollar sign in it, and
# checks the layout, the menu entry the program relies on and the software centres' description:
#   cmake -DBUILD_DIR=<build> -P check_install.cmake
cmake_minimum_required(VERSION 3.25)
set(prefix "${BUILD_DIR}/install check $HOME")
set(program_dir "${prefix}/lib/orvel-reference")
set(reference_file "${program_dir}/Liste_References.prn")
set(entry "${prefix}/share/applications/orvel-reference.desktop")
file(REMOVE_RECURSE "${prefix}")

function(install_build)
    execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${prefix}"
                    RESULT_VARIABLE failed OUTPUT_QUIET)
    if(failed)
        message(FATAL_ERROR "cmake --install failed")
    endif()
endfunction()

install_build()

# The executables and the reference file share the program's directory; the reference file
# starts as the sample kept in share/.
foreach(file Orvel_Reference orvel-query)
    if(NOT EXISTS "${program_dir}/${file}")
        message(FATAL_ERROR "missing ${program_dir}/${file}")
    endif()
endforeach()
file(SHA256 "${prefix}/share/orvel-reference/Liste_References.prn" sample)
file(SHA256 "${reference_file}" placed)
if(NOT placed STREQUAL sample)
    message(FATAL_ERROR "the reference file is not the sample")
endif()
foreach(link orvel-reference:Orvel_Reference orvel-query:orvel-query)
    string(REPLACE ":" ";" parts "${link}")
    list(GET parts 0 name)
    list(GET parts 1 target)
    file(REAL_PATH "${prefix}/bin/${name}" resolved)
    file(REAL_PATH "${program_dir}/${target}" expected)
    if(NOT IS_SYMLINK "${prefix}/bin/${name}" OR NOT resolved STREQUAL expected)
        message(FATAL_ERROR "bin/${name} does not link to ${expected}")
    endif()
endforeach()

# install_manifest.txt names every installed file, links and menu entry included, so that the
# files can be removed from it.
file(STRINGS "${BUILD_DIR}/install_manifest.txt" manifest)
file(GLOB_RECURSE installed LIST_DIRECTORIES false "${prefix}/*")
foreach(file IN LISTS installed)
    if(NOT file IN_LIST manifest)
        message(FATAL_ERROR "install_manifest.txt lacks ${file}")
    endif()
endforeach()

# The menu entry is valid, starts the installed program and shows the installed icon.
execute_process(COMMAND desktop-file-validate "${entry}" RESULT_VARIABLE invalid
                OUTPUT_VARIABLE complaints ERROR_VARIABLE complaints)
# Its hint (HamRadio could go with Network or Audio) is no fault: the program is neither.
if(invalid OR complaints MATCHES "(error|warning):")
    message(FATAL_ERROR "desktop-file-validate: ${complaints}")
endif()
# Exec= is read as a launcher does: the entry's string escapes first, then the quoting, which
# follows the shell's double quotes.
file(STRINGS "${entry}" exec REGEX "^Exec=")
string(REGEX REPLACE "^Exec=" "" exec "${exec}")
string(REPLACE "\\\\" "\\" exec "${exec}")
execute_process(COMMAND sh -c "for argument in ${exec}; do printf '%s\\n' \"$argument\"; done"
                OUTPUT_VARIABLE arguments)
if(NOT arguments STREQUAL "${program_dir}/Orvel_Reference\n")
    message(FATAL_ERROR "Exec= starts [${arguments}], not ${program_dir}/Orvel_Reference")
endif()
file(STRINGS "${entry}" icon REGEX "^Icon=")
if(NOT icon STREQUAL "Icon=orvel-reference" OR
   NOT EXISTS "${prefix}/share/icons/hicolor/scalable/apps/orvel-reference.svg")
    message(FATAL_ERROR "no icon orvel-reference for ${icon}")
endif()

# The software centres' description is valid. Its id is the menu entry's, not a reversed domain
# name: that is no fault here.
execute_process(COMMAND appstreamcli validate --no-net
                        --override=cid-desktopapp-is-not-rdns=info
                        "${prefix}/share/metainfo/orvel-reference.metainfo.xml"
                RESULT_VARIABLE invalid OUTPUT_VARIABLE complaints ERROR_VARIABLE complaints)
if(invalid)
    message(FATAL_ERROR "appstreamcli validate: ${complaints}")
endif()

# A reinstallation keeps the user's own reference file: a file, a link, or a link that leads
# nowhere (a disk not mounted).
file(WRITE "${prefix}/own.prn" "own file")
foreach(kind file link dangling)
    file(REMOVE "${reference_file}")
    if(kind STREQUAL file)
        file(COPY_FILE "${prefix}/own.prn" "${reference_file}")
    elseif(kind STREQUAL link)
        file(CREATE_LINK "${prefix}/own.prn" "${reference_file}" SYMBOLIC)
    else()
        file(CREATE_LINK "${prefix}/unmounted/Liste_References.prn" "${reference_file}" SYMBOLIC)
    endif()
    install_build()
    if(kind STREQUAL dangling)
        file(READ_SYMLINK "${reference_file}" kept)
        set(expected "${prefix}/unmounted/Liste_References.prn")
    else()
        file(READ "${reference_file}" kept)
        set(expected "own file")
    endif()
    if(NOT kept STREQUAL expected)
        message(FATAL_ERROR "the reinstallation replaced the reference file (${kind})")
    endif()
endforeach()

file(REMOVE_RECURSE "${prefix}")
