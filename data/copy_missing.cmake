# cmake -DDST=dir -DFILES=a;b;c -P copy_missing.cmake
file(MAKE_DIRECTORY ${DST})
foreach(f IN LISTS FILES)
  get_filename_component(name ${f} NAME)
  if(NOT EXISTS ${DST}/${name})
    file(COPY ${f} DESTINATION ${DST})
  endif()
endforeach()
