# Run after the program is linked (cmake -P): writes the page and its service worker with the
# program's size, for the loading indicator, and a fingerprint of its build, for the cache; and
# the large files compressed ahead of time, brotli at its best and gzip -9, beside the page.
#   -DPROGRAM=build/app/mirtavo (without .js or .wasm) -DQT_LOADER=qtloader.js
#   -DSOURCE_DIR=web/ -DOUTPUT_DIR=where index.html goes
file(SIZE ${PROGRAM}.wasm MIRTAVO_PROGRAM_BYTES)
file(SHA256 ${PROGRAM}.wasm hash)
string(SUBSTRING ${hash} 0 16 MIRTAVO_BUILD)
configure_file(${SOURCE_DIR}/index.html.in ${OUTPUT_DIR}/index.html @ONLY)
configure_file(${SOURCE_DIR}/service-worker.js.in ${OUTPUT_DIR}/service-worker.js @ONLY)

find_program(BROTLI brotli REQUIRED)
find_program(GZIP gzip REQUIRED)
foreach(file ${PROGRAM}.wasm ${PROGRAM}.js ${QT_LOADER})
    get_filename_component(name ${file} NAME)
    execute_process(COMMAND ${BROTLI} -q 11 -f -o ${OUTPUT_DIR}/${name}.br ${file}
                    COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND ${GZIP} -9 -n -c ${file} OUTPUT_FILE ${OUTPUT_DIR}/${name}.gz
                    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
