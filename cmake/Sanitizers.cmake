# Address and undefined-behaviour sanitizers for the native test build.
if(MIREL_SANITIZE)
  if(WIN32)
    message(FATAL_ERROR "MIREL_SANITIZE is for the native build only")
  endif()
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
