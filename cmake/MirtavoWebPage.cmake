# Run after the program is linked (cmake -P): writes the page and its service worker with the
# program's size, for the loading indicator, and a fingerprint of its build, for the cache.
#   -DPROGRAM=mirtavo.wasm -DSOURCE_DIR=web/ -DOUTPUT_DIR=where index.html goes
file(SIZE ${PROGRAM} MIRTAVO_PROGRAM_BYTES)
file(SHA256 ${PROGRAM} hash)
string(SUBSTRING ${hash} 0 16 MIRTAVO_BUILD)
configure_file(${SOURCE_DIR}/index.html.in ${OUTPUT_DIR}/index.html @ONLY)
configure_file(${SOURCE_DIR}/service-worker.js.in ${OUTPUT_DIR}/service-worker.js @ONLY)
