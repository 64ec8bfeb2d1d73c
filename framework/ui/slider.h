// A horizontal slider. The user's changes (a drag, a key, a click on the
// groove) raise ValueChanged with Value already the new value; values set from
// code raise nothing. Minimum, Maximum and Value follow Qt's rules: the range
// never inverts and the value stays inside it.
#pragma once

#include "ui/rect_control.h"

#include <array>
#include <cstdint>

class QSlider;

namespace fw {

class Slider : public RectControl {
public:
    // The slider's events, after RectControl's. The first five are in the
    // table so that ValueChanged has its index; this framework raises none
    // of them.
    enum class Event {
        GotFocus = IndexOf(RectControl::Event::EventCount),
        LostFocus,
        MouseDrag,
        MouseWheel,
        Resized,
        ValueChanged,
        EventCount
    };
    static constexpr std::array<const char*, 6> EventNames
        = { "GotFocus", "LostFocus", "MouseDrag", "MouseWheel", "Resized", "ValueChanged" };
    static_assert(NamesEveryOwnEvent(Event::GotFocus, EventNames));
    // The program attaches its handler under this index.
    static_assert(IndexOf(Event::ValueChanged) == 20);

    // The values of TickStyle.
    enum TickStyles : std::int32_t { NoTicks = 0, TicksTopLeft = 1, TicksBottomRight = 2, TicksBoth = 3 };

    Slider();
    ~Slider() override;

    // A new minimum above the maximum raises the maximum to it; a new maximum
    // below the minimum lowers the minimum to it. The value is kept inside.
    std::int32_t Minimum() const noexcept { return minimum_; }
    void SetMinimum(std::int32_t value);
    std::int32_t Maximum() const noexcept { return maximum_; }
    void SetMaximum(std::int32_t value);
    // Clamped to the range.
    std::int32_t Value() const noexcept { return value_; }
    void SetValue(std::int32_t value);
    // The steps of the arrow keys and of Page Up and Down; a negative step
    // raises a RuntimeException.
    std::int32_t LineStep() const noexcept { return lineStep_; }
    void SetLineStep(std::int32_t value);
    std::int32_t PageStep() const noexcept { return pageStep_; }
    void SetPageStep(std::int32_t value);
    // A value other than a TickStyles raises a RuntimeException.
    std::int32_t TickStyle() const noexcept { return tickStyle_; }
    void SetTickStyle(std::int32_t value);
    // True: every move of a drag reports; false: only the release does.
    bool LiveScroll() const noexcept { return liveScroll_; }
    void SetLiveScroll(bool value);

    // Named by the label beside it (ui/label_links.h).
    bool TakesNameFromLabel() const override { return true; }

    static const ClassTable* __Lookup();

protected:
    QWidget* CreateWidget(QWidget* parent) override;
    void ApplyAll() override;

private:
    QSlider* Bar() const;
    void ApplyRange();
    void ApplySteps();
    void ApplyTicks();
    void TakeUserValue(int value);

    std::int32_t minimum_ = 0;
    std::int32_t maximum_ = 100;
    std::int32_t value_ = 0;
    std::int32_t lineStep_ = 1;
    std::int32_t pageStep_ = 10;
    std::int32_t tickStyle_ = NoTicks;
    bool liveScroll_ = true;
};

} // namespace fw
