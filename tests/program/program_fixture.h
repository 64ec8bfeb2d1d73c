// The program started as _Main starts it, but without the event loop: the
// tests call its methods and act on its widgets directly, then end the run as
// main() does. Also the helpers the program's tests share.
#pragma once

#include "app.h"
#include "main_window.h"
#include "menu_bar.h"
#include "runtime/trace.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pwgen::testing {

// The characters a password may hold, in the order the generator joins them.
inline constexpr std::string_view kLowerCase = "qwertyuiopasdfghjklzxcvbnm";
inline constexpr std::string_view kCapitals = "QWERTYUIOPASDFGHJKLZXCVBNM";
inline constexpr std::string_view kDigits = "1234567890";
inline constexpr std::string_view kSymbols = "!#$%&/()=?*+-:;,.";

// The characters allowed with the three check boxes in these states.
inline std::string AllowedLetters(bool caps, bool numbers, bool symbols)
{
    std::string letters(kLowerCase);
    if (caps)
        letters += kCapitals;
    if (numbers)
        letters += kDigits;
    if (symbols)
        letters += kSymbols;
    return letters;
}

inline bool AllCharactersIn(const std::string& text, const std::string& allowed)
{
    return text.find_first_not_of(allowed) == std::string::npos;
}

inline std::vector<std::string> EntriesStartingWith(const std::vector<std::string>& entries, std::string_view prefix)
{
    std::vector<std::string> found;
    std::copy_if(entries.begin(), entries.end(), std::back_inserter(found),
        [prefix](const std::string& entry) { return entry.starts_with(prefix); });
    return found;
}

inline std::ptrdiff_t CountOf(const std::vector<std::string>& entries, std::string_view entry)
{
    return std::count(entries.begin(), entries.end(), entry);
}

inline std::string ClipboardText() { return QGuiApplication::clipboard()->text().toStdString(); }
inline void SetClipboardText(const char* text) { QGuiApplication::clipboard()->setText(QString::fromUtf8(text)); }

// A click of the user's mouse: on a check box's indicator, in the middle of
// any other widget.
inline void ClickOn(QWidget* widget)
{
    ASSERT_NE(widget, nullptr);
    QPoint at = widget->rect().center();
    if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(box);
        at = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box).center();
    }
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
}

inline void ClickOn(fw::RectControl& control) { ClickOn(control.Widget()); }

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        StartProgram();
        RaiseOpen();
    }

    void TearDown() override { EndProgram(); }

    // Everything _Main does before the event loop, with the trace recording
    // from the run time's start.
    void StartProgram()
    {
        trace_.emplace();
        fw::RuntimeInit();
        fw::RuntimePerformInitializers(ProgramInitializers());
        fw::RuntimeSetExceptionHelper(&_CallFunctionWithExceptionHandling);
        _EarlyStartup();
        fw::RunFrameworkInitialization(&_LateStartup);
        EXPECT_FALSE(fw::HasPendingException()) << "the start-up failed";
    }

    // The application's Open, the first event of the loop: the first password.
    static void RaiseOpen()
    {
        fw::getAppObject()->RaiseEvent(fw::Application::Event::Open);
        EXPECT_FALSE(fw::HasPendingException()) << "the Open event failed";
    }

    void EndProgram()
    {
        if (ended_)
            return;
        ended_ = true;
        fw::RuntimePerformFinalizers(ProgramFinalizers());
        EXPECT_EQ(fw::RuntimeExit(), 0) << "program code failed during the test";
        trace_.reset();
    }

    fw::TraceRecorder& Trace() { return *trace_; }
    // For tests that make so many calls that recording them would cost.
    void StopTrace() { trace_.reset(); }

    static Ref<Window1> Window() { return global::Window1(); }
    static std::string Password() { return Window()->TextArea1()->Text().Bytes(); }

private:
    std::optional<fw::TraceRecorder> trace_;
    bool ended_ = false;
};

} // namespace pwgen::testing
