# The display's text conversion and scroll rules on arbitrary input.
quivlane_add_fuzzer(fuzz_matrix_text
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/FuzzMatrixText.cpp
    LIBS quivlane_controls_core)
