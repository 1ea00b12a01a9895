# The main window's message numbers are declared beside the code that posts them, one header per part of the
# program; they share one router, so each number may mean one thing only.
# Run as: cmake -DSOURCE_DIR=<repository> -P MainWindowMessages.cmake
cmake_minimum_required(VERSION 3.25)

file(GLOB_RECURSE headers "${SOURCE_DIR}/src/*.h")
set(failures "")
foreach(header IN LISTS headers)
    file(READ "${header}" text)
    string(REPLACE ";" "@" text "${text}") # a list would split at every semicolon
    string(REGEX MATCHALL "namespace (orv::)?MainMsg {[^}]*}" blocks "${text}")
    foreach(block IN LISTS blocks)
        string(REGEX MATCHALL "constexpr int [A-Za-z0-9_]+ = [0-9]+@" definitions "${block}")
        foreach(definition IN LISTS definitions)
            string(REGEX REPLACE "constexpr int ([A-Za-z0-9_]+) = ([0-9]+)@" "\\1" name "${definition}")
            string(REGEX REPLACE "constexpr int ([A-Za-z0-9_]+) = ([0-9]+)@" "\\2" number "${definition}")
            file(RELATIVE_PATH where "${SOURCE_DIR}" "${header}")
            if(DEFINED owner_${number})
                string(APPEND failures "  ${number}: ${name} (${where}) and ${owner_${number}}\n")
            else()
                set(owner_${number} "${name} (${where})")
            endif()
        endforeach()
    endforeach()
endforeach()
if(failures)
    message(FATAL_ERROR "Main window message numbers used twice:\n${failures}")
endif()
