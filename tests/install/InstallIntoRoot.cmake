# cmake -DBUILD_DIR=... -DROOT=... -P InstallIntoRoot.cmake: installs the build tree into a
# fresh ROOT with prefix /usr, as a package would lay it out.
file(REMOVE_RECURSE ${ROOT})
set(ENV{DESTDIR} ${ROOT})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
