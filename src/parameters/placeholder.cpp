// Subsystem library; its sources are listed in CMakeLists.txt.
