# Installs the build to a fresh prefix and uses it from an outside project: through
# find_package (and a version above the installed one, which must fail), through
# pkg-config, and as a Debian package made by CPack.
#   cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DWORK_DIR=... [-DCXX_FLAGS=...] -P InstallTest.cmake

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "failed (${result}): ${ARGN}\n${out}")
  endif()
  set(run_output "${out}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})

# find_package and Tesmo::Widgets.
run(${CMAKE_COMMAND} -S ${SOURCE_DIR}/consumer -B ${WORK_DIR}/consumer -G Ninja -DCMAKE_BUILD_TYPE=Debug
    -DCMAKE_PREFIX_PATH=${prefix} "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}")
run(${CMAKE_COMMAND} --build ${WORK_DIR}/consumer)
run(${WORK_DIR}/consumer/tesmo-consumer ${WORK_DIR}/cmake.png)

execute_process(COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR}/consumer -B ${WORK_DIR}/too-new -G Ninja
                        -DCMAKE_PREFIX_PATH=${prefix} -DTESMO_WANTED=9.0
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(result EQUAL 0 OR NOT out MATCHES "Tesmo" OR NOT out MATCHES "version")
  message(FATAL_ERROR "find_package(Tesmo 9.0) should fail with CMake's version message:\n${out}")
endif()

# pkg-config.
file(GLOB_RECURSE pc_files ${prefix}/*/tesmo.pc)
list(GET pc_files 0 pc_file)
get_filename_component(pc_dir ${pc_file} DIRECTORY)
set(ENV{PKG_CONFIG_PATH} ${pc_dir})
run(pkg-config --cflags --libs tesmo)
string(STRIP "${run_output}" flags)
separate_arguments(flags UNIX_COMMAND "${flags}")
run(pkg-config --variable=libdir tesmo)
string(STRIP "${run_output}" libdir)
separate_arguments(extra UNIX_COMMAND "${CXX_FLAGS}")
run(c++ -std=c++20 ${extra} ${SOURCE_DIR}/consumer/main.cpp -o ${WORK_DIR}/pc-consumer ${flags}
    -Wl,-rpath,${libdir})
run(${WORK_DIR}/pc-consumer ${WORK_DIR}/pkg-config.png)

# The Debian package holds the same files.
run(cpack -G DEB -B ${WORK_DIR}/deb --config ${BUILD_DIR}/CPackConfig.cmake)
file(GLOB debs ${WORK_DIR}/deb/*.deb)
list(GET debs 0 deb)
run(dpkg-deb --contents ${deb})
foreach(file libtesmo.so.0 include/tesmo/TesmoWidget.h cmake/Tesmo/TesmoConfig.cmake pkgconfig/tesmo.pc bin/tesmo-tracks
             qt6/plugins/designer/libtesmo_designer.so)
  if(NOT run_output MATCHES "${file}")
    message(FATAL_ERROR "${deb} lacks ${file}:\n${run_output}")
  endif()
endforeach()
