# The jukebox and the alarms on the desktop bus.
add_subdirectory(bus)
