# Compile options shared by every Plenara target, applied per target.

add_library(plenara_options INTERFACE)
target_compile_features(plenara_options INTERFACE cxx_std_20)
target_compile_options(plenara_options INTERFACE -Wall -Wextra -Wpedantic -Werror)

if(PLENARA_SANITIZE)
    target_compile_options(plenara_options INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    target_link_options(plenara_options INTERFACE -fsanitize=address,undefined)
endif()

if(PLENARA_FUZZ)
    # Every library is instrumented for the fuzzers' coverage feedback.
    target_compile_options(plenara_options INTERFACE -fsanitize=fuzzer-no-link)
endif()

# Options of the targets that use Qt.
add_library(plenara_qt_options INTERFACE)
target_link_libraries(plenara_qt_options INTERFACE plenara_options)
target_compile_definitions(plenara_qt_options INTERFACE QT_NO_CAST_FROM_ASCII QT_NO_FOREACH)
