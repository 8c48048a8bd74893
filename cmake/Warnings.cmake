# Our own targets build with these; JUCE's module code keeps its own settings.
add_library(velto_warnings INTERFACE)
target_compile_options(velto_warnings INTERFACE
    -Wall -Wextra -Wshadow -Wnon-virtual-dtor -Wcast-align -Wunused
    -Woverloaded-virtual -Wnull-dereference -Wdouble-promotion -Wformat=2)
