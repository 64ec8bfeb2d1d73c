// The program started as its main routine starts it, up to its first
// password, but without the event loop: the caller drives the window with
// Qt's test input and runs the pending events itself. Shared by the
// benchmarks and the stress test.
#pragma once

#include "app.h"
#include "main_window.h"

#include <QCheckBox>
#include <QPoint>
#include <QStyle>
#include <QStyleOptionButton>

#include <cassert>

namespace pwgen::harness {

class ProgramSession {
public:
    ProgramSession()
    {
        RuntimeInit();
        RuntimePerformInitializers(ProgramInitializers());
        RuntimeSetExceptionHelper(&_CallFunctionWithExceptionHandling);
        _EarlyStartup();
        // Opens the window.
        RunFrameworkInitialization(&_LateStartup);
        // What the event loop would raise first: the first password.
        getAppObject()->RaiseEvent(Application::Event::Open);
    }
    ~ProgramSession()
    {
        RuntimePerformFinalizers(ProgramFinalizers());
        RuntimeExit();
    }
    ProgramSession(const ProgramSession&) = delete;
    ProgramSession& operator=(const ProgramSession&) = delete;
};

// The Qt widget behind a control of the open window.
template <class W> W& WidgetOf(const RectControl& control)
{
    W* widget = qobject_cast<W*>(control.Widget());
    assert(widget && "the control has made its widget");
    return *widget;
}

// Where a click toggles a check box: the middle of its indicator.
inline QPoint IndicatorCentre(QCheckBox& box)
{
    QStyleOptionButton option;
    option.initFrom(&box);
    return box.style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, &box).center();
}

} // namespace pwgen::harness
