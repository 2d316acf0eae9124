# The browser build: Mirtavo compiled with Qt for WebAssembly into a folder of static files that
# any web host can serve, and Mirtavo-1.0-web.zip of that folder (`cmake --install` into the
# folder, `cpack` for the zip; scripts/build-web does both).
#
# The number code throws and catches its failures, which emscripten ignores unless compile and
# link both ask for exceptions; every target of the build, the tests included, is made so.
add_compile_options(-fexceptions)
add_link_options(-fexceptions)

# Test programs run under Node. This emscripten's runtime takes Node's fetch for a browser's and
# then cannot load its program from a file, so Node is asked to leave fetch out.
find_program(MIRTAVO_NODE NAMES node nodejs REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${MIRTAVO_NODE} --no-experimental-fetch)

# Where Qt keeps the loader script that the page runs.
get_filename_component(mirtavo_qt_prefix "${Qt6_DIR}/../../.." ABSOLUTE)
set(MIRTAVO_QT_LOADER ${mirtavo_qt_prefix}/plugins/platforms/qtloader.js)

# mirtavo_make_web_program(target)
# No message box or menu waits in a nested event loop, so the program needs no asyncify; it is
# optimised for size. The faces the layouts name are embedded, since a browser offers the program
# none of its fonts: those of the weights the layouts use (no regular serif), each cut to the
# characters Mirtavo can show (scripts/lib/subset-font).
function(mirtavo_make_web_program target)
    target_link_options(${target} PRIVATE -Os)
    set(fonts
        /usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf
        /usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf
        /usr/share/fonts/truetype/liberation/LiberationSerif-Bold.ttf
        /usr/share/fonts/opentype/urw-base35/Z003-MediumItalic.otf)
    set(subset_font ${PROJECT_SOURCE_DIR}/scripts/lib/subset-font)
    set(subsets)
    foreach(font ${fonts})
        get_filename_component(name ${font} NAME)
        set(subset ${CMAKE_CURRENT_BINARY_DIR}/fonts/${name})
        add_custom_command(OUTPUT ${subset}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/fonts
            COMMAND ${subset_font} ${font} ${subset}
            DEPENDS ${font} ${subset_font} VERBATIM)
        set_source_files_properties(${subset} PROPERTIES QT_RESOURCE_ALIAS ${name} GENERATED ON)
        list(APPEND subsets ${subset})
    endforeach()
    qt_add_resources(${target} fonts PREFIX /mirtavo/fonts BASE ${CMAKE_CURRENT_BINARY_DIR}/fonts
                     FILES ${subsets})
endfunction()

# The page around the program: its loader, icons, manifest and service worker. The page and the
# worker are written once the program is linked and again whenever a file of the page changes
# (cmake/MirtavoWebPage.cmake), since the worker holds every file's digest.
function(mirtavo_install_web_page target)
    set(web ${PROJECT_SOURCE_DIR}/web)
    set(page ${CMAKE_CURRENT_BINARY_DIR}/page)
    set(program $<TARGET_FILE_DIR:${target}>/${target})
    set(icons ${PROJECT_SOURCE_DIR}/dist/icons)
    set(files mirtavo.js=${program}.js mirtavo.wasm=${program}.wasm qtloader.js=${MIRTAVO_QT_LOADER}
              icons/mirtavo.svg=${icons}/org.mirtavo.Mirtavo.svg)
    foreach(size 32 128 256)
        list(APPEND files icons/mirtavo-${size}.png=${icons}/${size}/org.mirtavo.Mirtavo.png)
    endforeach()
    set(page_files page.js mirror.js keyboard.js page.css manifest.webmanifest)
    foreach(file ${page_files})
        list(APPEND files ${file}=${web}/${file})
    endforeach()
    list(TRANSFORM page_files PREPEND ${web}/)
    # The program's own files are not listed: the .wasm is a by-product of linking, which ninja
    # knows no rule for, and depending on the target already waits for the link.
    set(sources ${files})
    list(FILTER sources EXCLUDE REGEX "^mirtavo\\.(js|wasm)=")
    list(TRANSFORM sources REPLACE "^[^=]*=" "")
    add_custom_command(OUTPUT ${page}/index.html ${page}/service-worker.js
        COMMAND ${CMAKE_COMMAND} -DPROGRAM=${program} -DSOURCE_DIR=${web} -DOUTPUT_DIR=${page}
                "-DFILES=${files}" -P ${PROJECT_SOURCE_DIR}/cmake/MirtavoWebPage.cmake
        DEPENDS ${target} ${sources} ${web}/index.html.in ${web}/service-worker.js.in
                ${PROJECT_SOURCE_DIR}/cmake/MirtavoWebPage.cmake
        VERBATIM)
    add_custom_target(${target}_page ALL DEPENDS ${page}/index.html ${page}/service-worker.js)
    # For hosts that serve files compressed ahead of time (nginx's gzip_static and brotli_static,
    # Apache's rewrite rules, Caddy's precompressed).
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -E make_directory ${page}
        COMMAND ${CMAKE_COMMAND} "-DFILES=${program}.wasm;${program}.js;${MIRTAVO_QT_LOADER}"
                -DOUTPUT_DIR=${page} -P ${PROJECT_SOURCE_DIR}/cmake/MirtavoCompress.cmake
        VERBATIM)
    install(TARGETS ${target} RUNTIME DESTINATION .)
    install(FILES ${program}.wasm ${MIRTAVO_QT_LOADER}
                  ${page}/index.html ${page}/service-worker.js ${page_files}
            DESTINATION .)
    foreach(file ${target}.wasm ${target}.js qtloader.js)
        install(FILES ${page}/${file}.br ${page}/${file}.gz DESTINATION .)
    endforeach()
    install(FILES ${PROJECT_SOURCE_DIR}/dist/icons/org.mirtavo.Mirtavo.svg DESTINATION icons
            RENAME mirtavo.svg)
    foreach(size 32 128 256)
        install(FILES ${PROJECT_SOURCE_DIR}/dist/icons/${size}/org.mirtavo.Mirtavo.png
                DESTINATION icons RENAME mirtavo-${size}.png)
    endforeach()
    # Qt is used under the LGPL and the fonts under their own licences: their texts travel
    # with them.
    file(GLOB qt_licences ${mirtavo_qt_prefix}/licenses/*.txt)
    install(FILES ${qt_licences} DESTINATION licenses/Qt)
    install(FILES /usr/share/doc/fonts-liberation/copyright DESTINATION licenses/fonts
            RENAME Liberation.txt)
    install(FILES /usr/share/doc/fonts-urw-base35/copyright DESTINATION licenses/fonts
            RENAME URW-base35.txt)
endfunction()
