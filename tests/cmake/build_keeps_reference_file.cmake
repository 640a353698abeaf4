# Configures the engine in a scratch build tree and checks that the sample becomes the reference
# file of bin/ only where there is none: a user's file, or link even dangling, stays through a
# reconfigure and through the build re-running CMake (what a rebuild does after an edit of the
# build files). The sample is placed at configure time, so nothing needs compiling here.
#   cmake -DSOURCE_DIR=<source> -DSCRATCH_DIR=<dir> -DGENERATOR=<generator> -P <this file>
cmake_minimum_required(VERSION 3.25)
set(reference_file "${SCRATCH_DIR}/bin/Liste_References.prn")
file(REMOVE_RECURSE "${SCRATCH_DIR}")

function(configure_and_build)
    execute_process(COMMAND "${CMAKE_COMMAND}" -S "${SOURCE_DIR}" -B "${SCRATCH_DIR}"
                            -G "${GENERATOR}" -DORVEL_BUILD_GUI=OFF -DORVEL_BUILD_TESTS=OFF
                    COMMAND_ERROR_IS_FATAL ANY OUTPUT_QUIET)
    execute_process(COMMAND "${CMAKE_COMMAND}" --build "${SCRATCH_DIR}" --target rebuild_cache
                    COMMAND_ERROR_IS_FATAL ANY OUTPUT_QUIET)
endfunction()

configure_and_build()
file(SHA256 "${SOURCE_DIR}/data/sample/Liste_References.prn" sample)
file(SHA256 "${reference_file}" placed)
if(NOT placed STREQUAL sample)
    message(FATAL_ERROR "the build did not put the sample in bin/")
endif()

file(WRITE "${SCRATCH_DIR}/own.prn" "own file")
foreach(kind file link dangling)
    file(REMOVE "${reference_file}")
    if(kind STREQUAL file)
        file(COPY_FILE "${SCRATCH_DIR}/own.prn" "${reference_file}")
        set(expected "own file")
    elseif(kind STREQUAL link)
        file(CREATE_LINK "${SCRATCH_DIR}/own.prn" "${reference_file}" SYMBOLIC)
        set(expected "own file")
    else()
        file(CREATE_LINK "${SCRATCH_DIR}/unmounted.prn" "${reference_file}" SYMBOLIC)
        set(expected "${SCRATCH_DIR}/unmounted.prn")
    endif()
    configure_and_build()
    if(kind STREQUAL dangling)
        file(READ_SYMLINK "${reference_file}" kept)
    else()
        file(READ "${reference_file}" kept)
    endif()
    if(NOT kept STREQUAL expected)
        message(FATAL_ERROR "a reconfigure and rebuild replaced the reference file (${kind})")
    endif()
endforeach()

file(REMOVE_RECURSE "${SCRATCH_DIR}")
