# What Mirtavo.exe needs beside it on Windows, laid out as the zip and the installer ship it:
# Qt's DLLs, the Windows platform plugin in platforms/, the Windows style in styles/, and the
# MinGW-w64 runtime DLLs that Qt and the program were built against. The same files are copied
# beside every executable of the build, so that the tests run under Wine as the program ships.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bin)

get_target_property(mirtavo_qtcore_dll Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(mirtavo_qt_bin ${mirtavo_qtcore_dll} DIRECTORY)
get_filename_component(mirtavo_qt_prefix ${mirtavo_qt_bin} DIRECTORY)

set(mirtavo_runtime_dlls ${mirtavo_qt_bin}/Qt6Core.dll ${mirtavo_qt_bin}/Qt6Gui.dll
                         ${mirtavo_qt_bin}/Qt6Widgets.dll)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE ${path} OR NOT EXISTS ${path})
        message(FATAL_ERROR "The MinGW-w64 runtime ${dll} was not found")
    endif()
    list(APPEND mirtavo_runtime_dlls ${path})
endforeach()
set(mirtavo_platform_plugin ${mirtavo_qt_prefix}/plugins/platforms/qwindows.dll)
set(mirtavo_style_plugin ${mirtavo_qt_prefix}/plugins/styles/qwindowsvistastyle.dll)

# The DLLs as shipped: without their symbols (the C++ runtime alone carries 20 MB of them).
set(mirtavo_stripped ${PROJECT_BINARY_DIR}/stripped-dlls)
file(COPY ${mirtavo_runtime_dlls} DESTINATION ${mirtavo_stripped})
list(TRANSFORM mirtavo_runtime_dlls REPLACE ".*/" "${mirtavo_stripped}/")
execute_process(COMMAND ${CMAKE_STRIP} --strip-unneeded ${mirtavo_runtime_dlls}
                COMMAND_ERROR_IS_FATAL ANY)

# Beside the build's executables, with what only the tests use: QtTest and the offscreen
# platform, on which the window tests run.
file(COPY ${mirtavo_runtime_dlls} ${mirtavo_qt_bin}/Qt6Test.dll
     DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
file(COPY ${mirtavo_platform_plugin} ${mirtavo_qt_prefix}/plugins/platforms/qoffscreen.dll
     DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/platforms)
file(COPY ${mirtavo_style_plugin} DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/styles)

install(FILES ${mirtavo_runtime_dlls} DESTINATION .)
install(FILES ${mirtavo_platform_plugin} DESTINATION platforms)
install(FILES ${mirtavo_style_plugin} DESTINATION styles)
# Qt is used under the LGPL: its licence texts travel with its DLLs; so do the notices of the
# GCC runtime and of winpthreads.
file(GLOB mirtavo_qt_licences ${mirtavo_qt_prefix}/licenses/*.txt)
install(FILES ${mirtavo_qt_licences} DESTINATION licenses/Qt)
install(FILES /usr/share/doc/gcc-mingw-w64-base/copyright DESTINATION licenses/MinGW-w64
        RENAME gcc-runtime.txt)
install(FILES /usr/share/doc/mingw-w64-common/copyright DESTINATION licenses/MinGW-w64
        RENAME mingw-w64.txt)
