# The bar: its rules (no Qt) and its window.
list(APPEND core_sources
    ${CMAKE_CURRENT_LIST_DIR}/BarController.cpp
    ${CMAKE_CURRENT_LIST_DIR}/KeywordTable.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TextRules.cpp)
