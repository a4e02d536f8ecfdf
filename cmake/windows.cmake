# Windows: libxml2 and curl (Schannel TLS) as static libraries from the cross-built prefix; the Win32
# code-page calls take ICU's place.
enable_language(RC)
pkg_check_modules(LIBXML2 REQUIRED libxml-2.0)
pkg_check_modules(CURL REQUIRED libcurl)
target_include_directories(quorvel_system_libraries INTERFACE ${LIBXML2_STATIC_INCLUDE_DIRS}
                                                              ${CURL_STATIC_INCLUDE_DIRS})
target_compile_options(quorvel_system_libraries INTERFACE ${LIBXML2_STATIC_CFLAGS_OTHER}
                                                          ${CURL_STATIC_CFLAGS_OTHER})
target_link_libraries(quorvel_system_libraries INTERFACE ${LIBXML2_STATIC_LDFLAGS} ${CURL_STATIC_LDFLAGS} shell32)

# A program without a console window, with the manifest that selects the current common controls (the
# toolkit's resource file finds the processor by itself; its include folder comes with the target).
# Standard output and error in binary mode from the start, and DLLs loaded at run time from the system
# folder only.
function(quorvel_windows_executable target)
    set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE ON)
    target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/src/app/standard_streams_windows.cpp
                                     ${PROJECT_SOURCE_DIR}/src/app/dll_search_windows.cpp)
    if(QUORVEL_BUILD_UI)
        target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/src/app/quorvel_windows.rc)
    endif()
endfunction()

# Header-only, copied into the prefix from the Debian package: found there, not among the Linux headers.
set(nlohmann_json_DIR ${QUORVEL_WINDOWS_PREFIX}/share/cmake/nlohmann_json)
