// The class set-ups of the framework's own classes, run by the class
// registration before any program class is set up.
#pragma once

namespace fw {

void SetUpFrameworkClasses();

} // namespace fw
