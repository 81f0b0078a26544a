# Fails when a file of core/ includes anything but another file of core/ or a header of the C++
# standard library: no Qt, no operating system, no other folder of the program.
#   cmake -DCORE=<core folder> -P cmake/CheckCoreIncludes.cmake
cmake_minimum_required(VERSION 3.25)
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
file(GLOB sources ${CORE}/*.h ${CORE}/*.cpp)
set(broken "")
foreach(source IN LISTS sources)
    file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS includes)
        if(line MATCHES "\"([^\"]+)\"")
            if(NOT CMAKE_MATCH_1 MATCHES "^core/" OR NOT EXISTS ${CORE}/../${CMAKE_MATCH_1})
                list(APPEND broken "${source}: ${line}")
            endif()
        elseif(line MATCHES "<([^>]+)>")
            if(NOT CMAKE_MATCH_1 IN_LIST standard)
                list(APPEND broken "${source}: ${line}")
            endif()
        else()
            list(APPEND broken "${source}: ${line}")
        endif()
    endforeach()
endforeach()
if(broken)
    list(JOIN broken "\n" text)
    message(FATAL_ERROR "core/ includes what it must not:\n${text}")
endif()
list(LENGTH sources count)
message(STATUS "${count} files of core/ include only core/ and the C++ standard library")
