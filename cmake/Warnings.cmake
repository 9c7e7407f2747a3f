# SPDX-License-Identifier: GPL-3.0-or-later
# Warnings every target of ours compiles with; a warning is a bug report.
set(NINEBOX_WARNINGS
    -Wall -Wextra -Wpedantic
    -Wshadow            # a local hiding a member is how state goes stale
    -Wconversion        # the grids are 16-bit: narrowing must be explicit
                        # (not -Wsign-conversion: grids are indexed by int cell numbers)
    -Wnon-virtual-dtor
    -Woverloaded-virtual
    -Werror=return-type)
if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  list(APPEND NINEBOX_WARNINGS -Wno-sign-conversion)  # clang's -Wconversion implies it
endif()

function(ninebox_warnings target)
  target_compile_options(${target} PRIVATE ${NINEBOX_WARNINGS})
endfunction()
