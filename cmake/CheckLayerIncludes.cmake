# Fails when a file of one of the program's layers includes what its layer may not use.
#   cmake -DSOURCE=<source root> -P cmake/CheckLayerIncludes.cmake
#
# Each layer is a folder of the source root. A file includes the program's own headers by
# their layer, "layer/Name.h", from its own layer or a layer it uses (directly or through
# another); never one above it or beside it. core/ includes, besides its own files, only the
# C++ standard library: no Qt, no operating system. tests/, bench/ and fuzz/ may include
# anything and are not checked.
cmake_minimum_required(VERSION 3.25)

# The layers, lowest first, each with the layers it uses directly: the same graph as the
# libraries' links in the layers' CMakeLists.txt.
set(layers core platform text device editor report helpviewer simulator app cli)
set(uses_core "")
set(uses_platform "")
set(uses_text core platform)
set(uses_device core)
set(uses_editor text)
set(uses_report text)
set(uses_helpviewer "")
set(uses_simulator device)
set(uses_app text device editor report helpviewer simulator)
set(uses_cli text device report simulator)

set(standard
    algorithm any array atomic barrier bit bitset cassert cctype cerrno cfenv cfloat charconv chrono
    cinttypes climits clocale cmath codecvt compare complex concepts condition_variable coroutine
    csetjmp csignal cstdarg cstddef cstdint cstdio cstdlib cstring ctime cuchar cwchar cwctype deque
    exception execution expected filesystem format forward_list fstream functional future
    initializer_list iomanip ios iosfwd iostream istream iterator latch limits list locale map memory
    memory_resource mutex new numbers numeric optional ostream queue random ranges ratio regex
    scoped_allocator semaphore set shared_mutex source_location span sstream stack stdexcept
    stop_token streambuf string string_view syncstream system_error thread tuple type_traits
    typeindex typeinfo unordered_map unordered_set utility valarray variant vector version)

if(NOT SOURCE OR NOT IS_DIRECTORY ${SOURCE}/core)
    message(FATAL_ERROR "usage: cmake -DSOURCE=<source root> -P CheckLayerIncludes.cmake")
endif()

# allowed_<layer>: the layer itself and every layer below it that it reaches through uses_.
foreach(layer IN LISTS layers)
    set(allowed ${layer})
    set(pending ${uses_${layer}})
    while(pending)
        list(POP_FRONT pending next)
        if(NOT next IN_LIST layers)
            message(FATAL_ERROR "the layer ${layer} uses ${next}, which is not a layer")
        endif()
        if(NOT next IN_LIST allowed)
            list(APPEND allowed ${next})
            list(APPEND pending ${uses_${next}})
        endif()
    endwhile()
    set(allowed_${layer} ${allowed})
endforeach()

set(broken "")
set(count 0)
foreach(layer IN LISTS layers)
    file(GLOB_RECURSE sources ${SOURCE}/${layer}/*.h ${SOURCE}/${layer}/*.cpp)
    list(LENGTH sources n)
    math(EXPR count "${count} + ${n}")
    foreach(source IN LISTS sources)
        file(RELATIVE_PATH name ${SOURCE} ${source})
        file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include")
        foreach(line IN LISTS includes)
            string(STRIP "${line}" line)
            set(why "")
            if(line MATCHES "\"([^\"]+)\"")
                set(header ${CMAKE_MATCH_1})
                # A layer's header, in the layer's folder or one folder inside it ("cli/commands/").
                if(NOT header MATCHES "^([A-Za-z0-9_]+)/([A-Za-z0-9_]+/)?[^/]+$" OR NOT CMAKE_MATCH_1 IN_LIST layers)
                    set(why "not included by its layer, as \"layer/Name.h\"")
                elseif(NOT CMAKE_MATCH_1 IN_LIST allowed_${layer})
                    list(JOIN allowed_${layer} ", " may)
                    set(why "${layer}/ may not use ${CMAKE_MATCH_1}/ (only ${may})")
                elseif(NOT EXISTS ${SOURCE}/${header})
                    set(why "no such file")
                endif()
            elseif(line MATCHES "<([^>]+)>")
                set(header ${CMAKE_MATCH_1})
                if(header MATCHES "^([A-Za-z0-9_]+)/" AND CMAKE_MATCH_1 IN_LIST layers)
                    set(why "the program's own header, to be included as \"${header}\"")
                elseif(layer STREQUAL "core" AND NOT header IN_LIST standard)
                    set(why "core/ includes only the C++ standard library")
                endif()
            else()
                set(why "not a plain include")
            endif()
            if(why)
                list(APPEND broken "${name}: ${line}: ${why}")
            endif()
        endforeach()
    endforeach()
endforeach()

if(broken)
    list(JOIN broken "\n" text)
    message(FATAL_ERROR "includes that go against the layers:\n${text}")
endif()
list(JOIN layers ", " names)
message(STATUS "${count} files of ${names} include only their own layer and the layers they use")
