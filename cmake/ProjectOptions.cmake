# One INTERFACE target carries the language level, warnings and sanitizers;
# every target of the project links it.
add_library(fieldizer_options INTERFACE)
target_compile_features(fieldizer_options INTERFACE cxx_std_20)
# Standard C++ alone (-std=c++20, not gnu++20): no GNU extension slips in.
set(CMAKE_CXX_EXTENSIONS OFF)
target_compile_options(fieldizer_options INTERFACE -Wall -Wextra -Wpedantic)
# Warnings fail the build in CI (scripts/test-all.sh turns this on), not on a
# developer's machine, where a newer compiler's new warning should not stop
# the work in hand.
option(FIELDIZER_WERROR "Treat compiler warnings as errors" OFF)
if(FIELDIZER_WERROR)
    target_compile_options(fieldizer_options INTERFACE -Werror)
endif()
# g++ 12 reports -Wrestrict on std::string concatenation at -O2/-O3 where no
# overlap can happen (GCC bug 105329); it would fail release builds of
# correct code, so that one warning stays off.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(fieldizer_options INTERFACE -Wno-restrict)
endif()
target_include_directories(fieldizer_options INTERFACE ${PROJECT_SOURCE_DIR})

if(FIELDIZER_SANITIZE)
    target_compile_options(fieldizer_options INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(fieldizer_options INTERFACE -fsanitize=address,undefined)
endif()

if(NOT CMAKE_BUILD_TYPE AND NOT CMAKE_CONFIGURATION_TYPES)
    set(CMAKE_BUILD_TYPE Release CACHE STRING "Build type" FORCE)
endif()

# Qt and QScintilla, for ui/ alone (the layering check refuses Qt anywhere
# below it). Found once here; their headers come in as SYSTEM headers, so
# that their warnings do not fail a -Werror build.
find_package(Qt6 COMPONENTS Core Widgets PrintSupport Test)
if(Qt6_FOUND)
    find_library(QSCINTILLA_LIBRARY NAMES qscintilla2_qt6 REQUIRED)
    find_path(QSCINTILLA_INCLUDE_DIR NAMES Qsci/qsciscintilla.h
        PATHS /usr/include/x86_64-linux-gnu/qt6 /usr/include/qt6 REQUIRED)
    add_library(fieldizer_qscintilla INTERFACE)
    target_link_libraries(fieldizer_qscintilla INTERFACE ${QSCINTILLA_LIBRARY} Qt6::Widgets
        Qt6::PrintSupport)
    target_include_directories(fieldizer_qscintilla SYSTEM INTERFACE ${QSCINTILLA_INCLUDE_DIR})
    # Qt's strictness: no implicit conversion from char*, which would bypass
    # our Windows-1252 edge.
    add_library(fieldizer_qt_options INTERFACE)
    target_compile_definitions(fieldizer_qt_options INTERFACE QT_NO_CAST_FROM_ASCII
        QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)
endif()
