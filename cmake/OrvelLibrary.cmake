# The folders depend one way: app -> listing and search windows -> widgets -> data, and the engine
# (listing, search) -> data. Each library names its files and the libraries it links; a build
# step then fails on an include of a project file (quoted, or in angle brackets under one of the
# project's folders) that belongs neither to the library nor to one it links, and on any Qt header
# in a library that does not link Qt. The executables of tests/ and bench/ are held to the same
# rules: their own files and those of the libraries they link.

set(ORVEL_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)

# orvel_add_library(NAME [QT] SOURCES files... [LINKS libraries...])
function(orvel_add_library name)
    cmake_parse_arguments(arg "QT" "" "SOURCES;LINKS" ${ARGN})
    set(sources)
    foreach(source IN LISTS arg_SOURCES)
        cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR})
        list(APPEND sources ${source})
    endforeach()
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR} ${ORVEL_GENERATED_DIR})
    target_link_libraries(${name} PUBLIC ${arg_LINKS})
    set_target_properties(${name} PROPERTIES AUTOMOC ${arg_QT} ORVEL_USES_QT ${arg_QT})
    set_property(GLOBAL APPEND PROPERTY ORVEL_LIBRARIES ${name})
endfunction()

# A target's files, relative to the source tree (or, generated, to the generated folder).
function(orvel_files_of name out)
    set(files)
    get_target_property(sources ${name} SOURCES)
    get_target_property(directory ${name} SOURCE_DIR)
    foreach(source IN LISTS sources)
        cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${directory})
        cmake_path(RELATIVE_PATH source BASE_DIRECTORY ${CMAKE_SOURCE_DIR} OUTPUT_VARIABLE file)
        if(source MATCHES "^${ORVEL_GENERATED_DIR}/")
            cmake_path(RELATIVE_PATH source BASE_DIRECTORY ${ORVEL_GENERATED_DIR}
                       OUTPUT_VARIABLE file)
        endif()
        list(APPEND files ${file})
    endforeach()
    set(${out} ${files} PARENT_SCOPE)
endfunction()

# The files that the libraries named may include: their own and those of every library they link,
# however far; <out>_QT tells whether one of them links Qt.
function(orvel_reachable_files links out)
    set(files)
    set(uses_qt OFF)
    foreach(link IN LISTS links)
        if(NOT link MATCHES "^orvel_")
            continue()
        endif()
        get_target_property(type ${link} TYPE)
        if(NOT type STREQUAL "INTERFACE_LIBRARY")
            orvel_files_of(${link} own)
            list(APPEND files ${own})
        endif()
        get_target_property(link_qt ${link} ORVEL_USES_QT)
        get_target_property(linked ${link} INTERFACE_LINK_LIBRARIES)
        orvel_reachable_files("${linked}" further)
        list(APPEND files ${further})
        if(link_qt OR further_QT)
            set(uses_qt ON)
        endif()
    endforeach()
    list(REMOVE_DUPLICATES files)
    set(${out} ${files} PARENT_SCOPE)
    set(${out}_QT ${uses_qt} PARENT_SCOPE)
endfunction()

# The include check of one target: its own files may include those allowed.
function(orvel_add_include_check name sources allowed uses_qt)
    set(rules ${CMAKE_BINARY_DIR}/include_rules/${name}.cmake)
    file(WRITE ${rules} "set(TARGET ${name})\nset(SOURCES \"${sources}\")\n"
                        "set(ALLOWED \"${allowed}\")\nset(USES_QT ${uses_qt})\n"
                        "set(SOURCE_DIR \"${CMAKE_SOURCE_DIR}\")\n")
    set(stamp ${CMAKE_BINARY_DIR}/include_rules/${name}.checked)
    add_custom_command(OUTPUT ${stamp}
        COMMAND ${CMAKE_COMMAND} -DRULES=${rules} -P ${CMAKE_SOURCE_DIR}/cmake/check_includes.cmake
        COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
        DEPENDS ${sources} ${rules} ${CMAKE_SOURCE_DIR}/cmake/check_includes.cmake
        COMMENT "Checking the includes of ${name}")
    add_custom_target(${name}_includes DEPENDS ${stamp})
    add_dependencies(${name} ${name}_includes)
endfunction()

function(orvel_absolute_sources name out)
    get_target_property(sources ${name} SOURCES)
    get_target_property(directory ${name} SOURCE_DIR)
    set(absolute)
    foreach(source IN LISTS sources)
        cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${directory})
        list(APPEND absolute ${source})
    endforeach()
    set(${out} ${absolute} PARENT_SCOPE)
endfunction()

# Called once every library exists: adds the include check to each of them.
function(orvel_check_includes)
    get_property(libraries GLOBAL PROPERTY ORVEL_LIBRARIES)
    foreach(name IN LISTS libraries)
        orvel_files_of(${name} own)
        get_target_property(links ${name} INTERFACE_LINK_LIBRARIES)
        orvel_reachable_files("${links}" allowed)
        get_target_property(uses_qt ${name} ORVEL_USES_QT)
        orvel_absolute_sources(${name} sources)
        orvel_add_include_check(${name} "${sources}" "${own};${allowed}" ${uses_qt})
    endforeach()
endfunction()

# orvel_check_program_includes(TARGET [SHARED files...]): the check of an executable of tests/ or
# bench/, which may also include the shared files named (relative to the source tree).
function(orvel_check_program_includes name)
    orvel_files_of(${name} own)
    get_target_property(links ${name} LINK_LIBRARIES)
    orvel_reachable_files("${links}" allowed)
    set(uses_qt ${allowed_QT})
    if(links MATCHES "Qt6::")
        set(uses_qt ON)
    endif()
    orvel_absolute_sources(${name} sources)
    orvel_add_include_check(${name} "${sources}" "${own};${allowed};${ARGN}" ${uses_qt})
endfunction()
