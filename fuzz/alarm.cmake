# The alarm dialog's time rules on arbitrary stored links.
quivlane_add_fuzzer(fuzz_alarm_rules
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/FuzzAlarmRules.cpp
            ${CMAKE_SOURCE_DIR}/launcher/AlarmRules.cpp
    LIBS quivlane_config)
if(TARGET fuzz_alarm_rules)
    target_include_directories(fuzz_alarm_rules PRIVATE ${CMAKE_SOURCE_DIR})
endif()
