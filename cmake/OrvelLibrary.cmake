# The folders depend one way: app -> listing and search windows -> widgets -> data, and the engine
# (listing, search) -> data. Each library names its files and the libraries it links; a build
# step then fails on a quoted include of a file that belongs neither to the library nor to one it
# links, and on any Qt header in a library that does not link Qt.

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

# The files a library may include: its own and those of every library it links, however far.
function(orvel_reachable_files name out)
    set(files)
    get_target_property(sources ${name} SOURCES)
    get_target_property(links ${name} INTERFACE_LINK_LIBRARIES)
    foreach(source IN LISTS sources)
        cmake_path(RELATIVE_PATH source BASE_DIRECTORY ${CMAKE_SOURCE_DIR} OUTPUT_VARIABLE file)
        if(source MATCHES "^${ORVEL_GENERATED_DIR}/")
            cmake_path(RELATIVE_PATH source BASE_DIRECTORY ${ORVEL_GENERATED_DIR}
                       OUTPUT_VARIABLE file)
        endif()
        list(APPEND files ${file})
    endforeach()
    foreach(link IN LISTS links)
        if(link MATCHES "^orvel_")
            orvel_reachable_files(${link} linked)
            list(APPEND files ${linked})
        endif()
    endforeach()
    list(REMOVE_DUPLICATES files)
    set(${out} ${files} PARENT_SCOPE)
endfunction()

# Called once every library exists: adds the include check to each of them.
function(orvel_check_includes)
    get_property(libraries GLOBAL PROPERTY ORVEL_LIBRARIES)
    foreach(name IN LISTS libraries)
        orvel_reachable_files(${name} allowed)
        get_target_property(sources ${name} SOURCES)
        get_target_property(uses_qt ${name} ORVEL_USES_QT)
        set(rules ${CMAKE_CURRENT_BINARY_DIR}/include_rules/${name}.cmake)
        file(WRITE ${rules} "set(LIBRARY ${name})\nset(SOURCES \"${sources}\")\n"
                            "set(ALLOWED \"${allowed}\")\nset(USES_QT ${uses_qt})\n")
        set(stamp ${CMAKE_CURRENT_BINARY_DIR}/include_rules/${name}.checked)
        add_custom_command(OUTPUT ${stamp}
            COMMAND ${CMAKE_COMMAND} -DRULES=${rules} -P ${CMAKE_SOURCE_DIR}/cmake/check_includes.cmake
            COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
            DEPENDS ${sources} ${rules} ${CMAKE_SOURCE_DIR}/cmake/check_includes.cmake
            COMMENT "Checking the includes of ${name}")
        add_custom_target(${name}_includes DEPENDS ${stamp})
        add_dependencies(${name} ${name}_includes)
    endforeach()
endfunction()
