#pragma once
// The probe's side of the virtual controller (the test dinput8.dll that plays
// a timeline of controller states instead of reading hardware).
#include <string>

// Names the timeline file for the virtual dinput8.dll through the environment
// variable it reads when DirectInput is created; call before the module loads.
// False, with error set, when the file cannot be read.
bool SelectVirtualTimeline(const std::string& pathUtf8, std::string& error);

// After "create": empty when the loaded dinput8.dll is the virtual one and it
// plays a timeline, otherwise a hint on how to get it loaded.
std::string VirtualControllerProblem();
