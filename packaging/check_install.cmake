# Installs the build into a scratch prefix and checks the layout the program relies on:
#   cmake -DBUILD_DIR=<build> -P check_install.cmake
set(prefix "${BUILD_DIR}/install-check")
set(program_dir "${prefix}/lib/orvel-reference")
file(REMOVE_RECURSE "${prefix}")

function(install_build)
    execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${prefix}"
                    RESULT_VARIABLE failed OUTPUT_QUIET)
    if(failed)
        message(FATAL_ERROR "cmake --install failed")
    endif()
endfunction()

install_build()

# The executables and the reference file share the program's directory.
foreach(file Orvel_Reference orvel-query Liste_References.prn)
    if(NOT EXISTS "${program_dir}/${file}")
        message(FATAL_ERROR "missing ${program_dir}/${file}")
    endif()
endforeach()
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

# The menu entry starts the installed program and shows the installed icon.
file(STRINGS "${prefix}/share/applications/orvel-reference.desktop" exec REGEX "^Exec=")
if(NOT exec STREQUAL "Exec=${program_dir}/Orvel_Reference")
    message(FATAL_ERROR "wrong ${exec}")
endif()
file(STRINGS "${prefix}/share/applications/orvel-reference.desktop" icon REGEX "^Icon=")
if(NOT icon STREQUAL "Icon=orvel-reference" OR
   NOT EXISTS "${prefix}/share/icons/hicolor/scalable/apps/orvel-reference.svg")
    message(FATAL_ERROR "no icon orvel-reference for ${icon}")
endif()

# A reinstallation keeps the user's own reference file.
file(WRITE "${program_dir}/Liste_References.prn" "own file")
install_build()
file(READ "${program_dir}/Liste_References.prn" kept)
if(NOT kept STREQUAL "own file")
    message(FATAL_ERROR "the reinstallation replaced the reference file")
endif()

file(REMOVE_RECURSE "${prefix}")
