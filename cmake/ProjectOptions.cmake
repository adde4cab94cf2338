# One INTERFACE target carries the language level, warnings and sanitizers;
# every target of the project links it.
add_library(fieldizer_options INTERFACE)
target_compile_features(fieldizer_options INTERFACE cxx_std_20)
target_compile_options(fieldizer_options INTERFACE -Wall -Wextra -Wpedantic -Werror)
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
