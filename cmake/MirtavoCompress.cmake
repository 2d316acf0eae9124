# Run after the program is linked (cmake -P): the large files compressed ahead of time, brotli at
# its best and gzip -9, for hosts that serve them so.
#   -DFILES=path;... -DOUTPUT_DIR=where the compressed files go
find_program(BROTLI brotli REQUIRED)
find_program(GZIP gzip REQUIRED)
foreach(file ${FILES})
    get_filename_component(name ${file} NAME)
    execute_process(COMMAND ${BROTLI} -q 11 -f -o ${OUTPUT_DIR}/${name}.br ${file}
                    COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND ${GZIP} -9 -n -c ${file} OUTPUT_FILE ${OUTPUT_DIR}/${name}.gz
                    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
