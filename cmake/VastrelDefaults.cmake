# Warnings, sanitizers and Qt defines shared by every target of the project. Warnings are
# errors where the project's own scripts and CI build (CMAKE_COMPILE_WARNING_AS_ERROR), not
# in a distribution's build with another compiler.
add_library(vastrel_defaults INTERFACE)
target_compile_features(vastrel_defaults INTERFACE cxx_std_20)
target_compile_options(vastrel_defaults INTERFACE
    -Wall -Wextra -Wshadow -Wnon-virtual-dtor -Wold-style-cast)
target_compile_definitions(vastrel_defaults INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CAST_TO_ASCII
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_NO_KEYWORDS
    VASTREL_VERSION_MAJOR=${PROJECT_VERSION_MAJOR}
    VASTREL_VERSION_MINOR=${PROJECT_VERSION_MINOR}
    VASTREL_VERSION_STRING="${PROJECT_VERSION}"
    VASTREL_APP_ID="${VASTREL_APP_ID}")

if(VASTREL_SANITIZE)
    set(_san -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_compile_options(vastrel_defaults INTERFACE ${_san})
    target_link_options(vastrel_defaults INTERFACE ${_san})
endif()
