// What the control tests share: property records built in the test, a
// handler target that notes what it saw, and a window per test in which the
// controls are made the way the program makes them.
#pragma once

#include "record_encoder.h"
#include "row_name.h"
#include "runtime/class_table.h"
#include "runtime/delegate.h"
#include "runtime/property_setter.h"
#include "runtime/thunk.h"
#include "ui/control.h"
#include "ui/rect_control.h"
#include "ui/window.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

namespace fw::test {

// Records made up by a test, item by item.
using test_support::record::Record;

// The target of the handlers the tests attach: for every call, what `read`
// saw on the control at that moment.
class Recorder : public Object {
public:
    explicit Recorder(std::function<std::int32_t(Control&)> read)
        : read_(std::move(read))
    { }
    void Handle(Ref<Control> control) { seen.push_back(read_(*control)); }

    std::vector<std::int32_t> seen;

private:
    std::function<std::int32_t(Control&)> read_;
};

// Attaches a Recorder under the event index, as the program attaches its
// handlers: a method delegate on a target, delivered by the index's stub.
template <class K, int EventIndex>
Ref<Recorder> Attach(const Ref<K>& control, std::function<std::int32_t(Control&)> read)
{
    auto recorder = MakeRef<Recorder>(std::move(read));
    const String signature("( " + K::__Lookup()->name + " )");
    RuntimeAddEventHandler(control, EventIndex, &ControlEventStub<EventIndex>,
        RuntimeCreateDelegate(&invokers::ControlHandler<K>, MakeThunk(&Recorder::Handle), recorder, signature, 1));
    return recorder;
}

// Whether a control's values are set before its constructor makes the
// widget, or after.
enum class Order { SetThenConstruct, ConstructThenSet };

// A row run in both orders is named after the order too.
inline void PrintTo(Order order, std::ostream* os)
{
    *os << (order == Order::SetThenConstruct ? "beforeConstructor" : "afterConstructor");
}
inline const auto BothOrders = ::testing::Values(Order::SetThenConstruct, Order::ConstructThenSet);

// A name that no control of the process has had yet.
inline String NextControlName()
{
    static int created = 0;
    return String("control" + std::to_string(++created));
}

// A new control of class K in the window, registered under a fresh name;
// `set` runs before or after its constructor.
template <class K> Ref<K> NewControl(Window& window, Order order, const std::function<void(K&)>& set)
{
    Ref<K> control = RuntimeCheckCast<K>(window.__New(K::__Lookup()), K::__Lookup());
    if (order == Order::SetThenConstruct)
        set(*control);
    control->Constructor();
    if (order == Order::ConstructThenSet)
        set(*control);
    window._AddControl(NextControlName(), control);
    return control;
}

template <class K> Ref<K> NewControl(Window& window, const Record& record = {})
{
    return NewControl<K>(window, Order::ConstructThenSet, [&](K& c) { _SetProperties(RefTo(c), record.Bytes()); });
}

template <class K> K& WidgetOf(const RectControl& control)
{
    auto* widget = qobject_cast<K*>(control.Widget());
    if (!widget)
        throw std::logic_error("the control has no widget of that class");
    return *widget;
}

// Every test works in a window of its own.
class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = RuntimeCheckCast<Window>(RuntimeNewObject(Window::__Lookup()), Window::__Lookup());
        window->Constructor();
    }
    // The window goes with the test, while the application still runs.
    void TearDown() override
    {
        window->Close();
        ReleaseAllWindows();
    }

    Ref<Window> window;
};

// For handlers whose calls are only counted.
inline std::int32_t ReadNothing(Control&) { return 0; }

} // namespace fw::test
