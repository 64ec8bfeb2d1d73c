#include "ui/window_registry.h"

#include "runtime/no_destructor.h"
#include "runtime/trace.h"
#include "ui/window.h"

#include <QWidget>
#include <algorithm>
#include <utility>

namespace fw {
namespace {

struct WindowRegistry {
    std::vector<Ref<Window>> open;
    // Closed windows wait here until the run time ends, so that a window is
    // never destroyed inside its own Qt close event.
    std::vector<Ref<Window>> closed;
};

// Never destroyed: the run time releases its windows before it ends, and a
// window still open when the process exits otherwise (an exit() from a
// library, a test harness) must not be torn down after Qt's own globals.
WindowRegistry& Registry()
{
    static NoDestructor<WindowRegistry> registry;
    return *registry;
}

} // namespace

void AddOpenWindow(Ref<Window> window) { Registry().open.push_back(std::move(window)); }

void MoveToClosedWindows(const Ref<Window>& window)
{
    auto& open = Registry().open;
    open.erase(std::remove(open.begin(), open.end(), window), open.end());
    Registry().closed.push_back(window);
}

Ref<Window> _GetImplicitWindow(const String& className)
{
    TraceCall("_GetImplicitWindow", className.Bytes());
    for (const Ref<Window>& window : Registry().open) {
        if (window->Class() && window->Class()->name == className.Bytes())
            return window;
    }
    return nullptr;
}

std::vector<Ref<Window>> OpenWindows() { return Registry().open; }

void ReleaseAllWindows()
{
    WindowRegistry& registry = Registry();
    std::vector<Ref<Window>> windows = std::move(registry.open);
    windows.insert(windows.end(), registry.closed.begin(), registry.closed.end());
    registry.open.clear();
    registry.closed.clear();
    for (const Ref<Window>& window : windows) {
        window->TopLevelWidget()->hide();
        // A control's handlers hold the window that built it: dropping the
        // controls breaks that cycle, so the window ends with the last
        // reference here.
        window->ReleaseControls();
    }
}

} // namespace fw
