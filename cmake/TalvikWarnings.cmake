# Warnings are errors for our own sources; generated code (protoc, moc, uic) is compiled apart.
# The clang builds of cmake/TalvikSanitize.cmake look for faults at run time: there clang's
# warnings, which are not gcc's, are shown but stop nothing.
function(talvik_strict_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual)
    if(NOT TALVIK_SANITIZE AND NOT TALVIK_FUZZ)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
    target_compile_definitions(${target} PRIVATE
        QT_DISABLE_DEPRECATED_BEFORE=0x060400)
endfunction()
