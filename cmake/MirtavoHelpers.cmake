# Warnings every Mirtavo target is built with; a warning is a fault to mend, not noise.
function(mirtavo_set_warnings target)
    if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
        target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                                 -Wno-sign-conversion)
        if(MIRTAVO_WERROR)
            target_compile_options(${target} PRIVATE -Werror)
        endif()
    endif()
endfunction()

# mirtavo_add_test(NAME name SOURCES ... LIBS ... [UI [ENV VARIABLE=value ...]])
# Every test target is made here: linked against the libraries (never compiling program
# sources again), with warnings, and registered with CTest. UI tests run on Qt's offscreen
# platform so that no test needs a display.
function(mirtavo_add_test)
    cmake_parse_arguments(ARG "UI" "NAME" "SOURCES;LIBS;ENV" ${ARGN})
    add_executable(${ARG_NAME} ${ARG_SOURCES})
    target_link_libraries(${ARG_NAME} PRIVATE ${ARG_LIBS})
    mirtavo_set_warnings(${ARG_NAME})
    if(ARG_UI)
        mirtavo_add_ui_test_run(${ARG_NAME} ${ARG_NAME} LC_ALL=C.UTF-8 ${ARG_ENV})
    else()
        target_link_libraries(${ARG_NAME} PRIVATE GTest::gtest_main)
        if(CMAKE_CROSSCOMPILING)
            # Under Wine every start costs a second: the suite runs as one test.
            add_test(NAME ${ARG_NAME} COMMAND ${ARG_NAME})
        else()
            gtest_discover_tests(${ARG_NAME} DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES)
        endif()
    endif()
endfunction()

# mirtavo_add_ui_test_run(test target VARIABLE=value ...)
# Registers a run of a Qt Test program on the offscreen platform, in the given environment.
function(mirtavo_add_ui_test_run test target)
    if(CMAKE_CROSSCOMPILING)
        # Wine passes no QT_ variables on, so the platform is named on the command line.
        add_test(NAME ${test} COMMAND bash ${PROJECT_SOURCE_DIR}/tests/support/wine_qtest.sh
                                      ${MIRTAVO_WINE} $<TARGET_FILE:${target}>)
    else()
        add_test(NAME ${test} COMMAND ${target})
        list(APPEND ARGN QT_QPA_PLATFORM=offscreen)
    endif()
    set_tests_properties(${test} PROPERTIES ENVIRONMENT "${ARGN}" TIMEOUT 300)
endfunction()

# AddressSanitizer and UndefinedBehaviorSanitizer for every target of the build. Any report
# stops the program, so a test that provokes one fails.
function(mirtavo_enable_sanitizers)
    set(flags -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_compile_options(${flags})
    add_link_options(${flags})
endfunction()
