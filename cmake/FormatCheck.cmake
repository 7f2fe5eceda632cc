# `format` rewrites every source file with the committed .clang-format;
# `format-check` fails when a file differs from it. The check also runs as a test.

find_program(CLANG_FORMAT_EXE NAMES clang-format clang-format-14)

file(GLOB_RECURSE PLENARA_FORMAT_FILES CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/src/*.cpp ${PROJECT_SOURCE_DIR}/src/*.h
    ${PROJECT_SOURCE_DIR}/tests/*.cpp ${PROJECT_SOURCE_DIR}/tests/*.h
    ${PROJECT_SOURCE_DIR}/bench/*.cpp ${PROJECT_SOURCE_DIR}/bench/*.h)

if(CLANG_FORMAT_EXE)
    add_custom_target(format
        COMMAND ${CLANG_FORMAT_EXE} -i ${PLENARA_FORMAT_FILES}
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
        COMMENT "Formatting the sources")
    add_custom_target(format-check
        COMMAND ${CLANG_FORMAT_EXE} --dry-run --Werror ${PLENARA_FORMAT_FILES}
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
        COMMENT "Checking the format of the sources")
    add_test(NAME format-check
        COMMAND ${CLANG_FORMAT_EXE} --dry-run --Werror ${PLENARA_FORMAT_FILES}
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
    set_tests_properties(format-check PROPERTIES LABELS "format")
endif()
