# Every target of ours is built with the same strict warnings, and optionally sanitised.
function(quillpad_target_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
  if(QUILLPAD_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer
                                             -fno-sanitize-recover=undefined)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()
