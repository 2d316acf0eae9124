# Run after the program is linked or a page file changes (cmake -P): writes the page and its
# service worker. The page carries the program's size, for the loading indicator, and the
# build's name; the worker carries the SHA-256 of every file of the build, so that it keeps only
# a build whose files are all the build's own. The name is a digest of those digests and of the
# page's template, so that a change to any file is a new build.
#   -DPROGRAM=build/app/mirtavo (without .js or .wasm) -DSOURCE_DIR=web/
#   -DOUTPUT_DIR=where index.html goes
#   -DFILES=name=path;... every file of the build but index.html, by its name in the site
file(SIZE ${PROGRAM}.wasm MIRTAVO_PROGRAM_BYTES)

set(digests)
set(fingerprint)
foreach(entry ${FILES})
    string(REPLACE "=" ";" entry ${entry})
    list(GET entry 0 name)
    list(GET entry 1 path)
    file(SHA256 ${path} digest)
    string(APPEND digests "  \"${name}\": \"${digest}\",\n")
    string(APPEND fingerprint "${digest} ${name}\n")
endforeach()
file(SHA256 ${SOURCE_DIR}/index.html.in template)
string(SHA256 hash "${fingerprint}${template} index.html.in\n")
string(SUBSTRING ${hash} 0 16 MIRTAVO_BUILD)

configure_file(${SOURCE_DIR}/index.html.in ${OUTPUT_DIR}/index.html @ONLY)
file(SHA256 ${OUTPUT_DIR}/index.html digest)
string(APPEND digests "  \"index.html\": \"${digest}\",\n")
set(MIRTAVO_BUILD_FILES "${digests}")
configure_file(${SOURCE_DIR}/service-worker.js.in ${OUTPUT_DIR}/service-worker.js @ONLY)
