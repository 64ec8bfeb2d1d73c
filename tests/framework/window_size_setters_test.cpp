// The window's sizes and size limits, set from code: a negative value is
// refused with an exception naming the property, as a property record's is,
// and neither the window nor its Qt window changes.
#include "row_name.h"
#include "runtime/class_table.h"
#include "runtime/exception.h"
#include "ui/window.h"

#include <QSize>
#include <QWidget>
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <tuple>

namespace fw {
namespace {

struct SetterCase {
    const char* name;
    const char* property;
    std::int32_t (*get)(const Window& window);
    void (*set)(Window& window, std::int32_t value);
    friend void PrintTo(const SetterCase& row, std::ostream* os) { *os << row.name; }
};

struct NegativeCase {
    const char* name;
    std::int32_t value;
    friend void PrintTo(const NegativeCase& row, std::ostream* os) { *os << row.name; }
};

// What the user sees of the window's size: the content area, its limits and
// the top-level window around it.
struct QtSizes {
    QSize content;
    QSize contentMinimum;
    QSize contentMaximum;
    QSize window;
    friend bool operator==(const QtSizes&, const QtSizes&) = default;
    friend void PrintTo(const QtSizes& sizes, std::ostream* os)
    {
        const auto print
            = [os](const char* what, QSize size) { *os << what << ' ' << size.width() << 'x' << size.height() << ' '; };
        print("content", sizes.content);
        print("min", sizes.contentMinimum);
        print("max", sizes.contentMaximum);
        print("window", sizes.window);
    }
};

QtSizes SizesOf(const Window& window)
{
    const QWidget* content = window.ContentWidget();
    return { content->size(), content->minimumSize(), content->maximumSize(), window.TopLevelWidget()->size() };
}

class WindowSizeSetterTest : public ::testing::TestWithParam<std::tuple<SetterCase, NegativeCase>> {
protected:
    void SetUp() override
    {
        window = RuntimeCheckCast<Window>(RuntimeNewObject(Window::__Lookup()), Window::__Lookup());
        window->SetVisible(false);
        window->Constructor();
    }
    void TearDown() override
    {
        window->Close();
        ReleaseAllWindows();
    }

    Ref<Window> window;
};

TEST_P(WindowSizeSetterTest, RefusesANegativeValueAndChangesNothing)
{
    const auto& [setter, negative] = GetParam();
    const std::int32_t before = setter.get(*window);
    const QtSizes shownBefore = SizesOf(*window);

    try {
        setter.set(*window, negative.value);
        ADD_FAILURE() << "no exception raised";
    } catch (const RaisedException& raised) {
        const auto* exception = dynamic_cast<const RuntimeException*>(raised.Exception().get());
        ASSERT_NE(exception, nullptr) << raised.what();
        const std::string message = exception->Message().Bytes();
        EXPECT_TRUE(message.starts_with(std::string("Window.") + setter.property + ":")) << message;
        EXPECT_NE(message.find(std::to_string(negative.value)), std::string::npos) << message;
    }

    EXPECT_EQ(setter.get(*window), before);
    EXPECT_EQ(SizesOf(*window), shownBefore);
}

INSTANTIATE_TEST_SUITE_P(Setters, WindowSizeSetterTest,
    ::testing::Combine(::testing::Values(SetterCase { "width", "Width", [](const Window& w) { return w.Width(); },
                                             [](Window& w, std::int32_t v) { w.SetWidth(v); } },
                           SetterCase { "height", "Height", [](const Window& w) { return w.Height(); },
                               [](Window& w, std::int32_t v) { w.SetHeight(v); } },
                           SetterCase { "minWidth", "MinWidth", [](const Window& w) { return w.MinWidth(); },
                               [](Window& w, std::int32_t v) { w.SetMinWidth(v); } },
                           SetterCase { "minHeight", "MinHeight", [](const Window& w) { return w.MinHeight(); },
                               [](Window& w, std::int32_t v) { w.SetMinHeight(v); } },
                           SetterCase { "maxWidth", "MaxWidth", [](const Window& w) { return w.MaxWidth(); },
                               [](Window& w, std::int32_t v) { w.SetMaxWidth(v); } },
                           SetterCase { "maxHeight", "MaxHeight", [](const Window& w) { return w.MaxHeight(); },
                               [](Window& w, std::int32_t v) { w.SetMaxHeight(v); } }),
        ::testing::Values(
            NegativeCase { "minusOne", -1 }, NegativeCase { "int32Min", std::numeric_limits<std::int32_t>::min() })),
    RowName);

} // namespace
} // namespace fw
