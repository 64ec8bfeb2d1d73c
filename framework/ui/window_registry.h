// The process-wide list of windows: the ones open, in the order they opened,
// and the closed ones the run time still keeps until it ends.
#pragma once

#include "runtime/object.h"
#include "text/string.h"

#include <vector>

namespace fw {

class Window;

// Records `window` as open, at the end of the list.
void AddOpenWindow(Ref<Window> window);
// Takes `window` off the open list; the registry keeps it until the run
// time ends.
void MoveToClosedWindows(const Ref<Window>& window);

// The open window whose class has that name, or nil.
Ref<Window> _GetImplicitWindow(const String& className);
// Every window that is open, in the order they opened.
std::vector<Ref<Window>> OpenWindows();
// Closes nothing: forgets every window (at the run time's exit).
void ReleaseAllWindows();

} // namespace fw
