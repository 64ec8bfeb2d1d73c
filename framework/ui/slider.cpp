#include "ui/slider.h"

#include "runtime/member_property.h"
#include "runtime/property_checks.h"

#include <QSignalBlocker>
#include <QSlider>

#include <algorithm>
#include <cassert>

namespace fw {
namespace {

constexpr ChoiceName kTickStyles[] = {
    { Slider::NoTicks, "none" },
    { Slider::TicksTopLeft, "top or left" },
    { Slider::TicksBottomRight, "bottom or right" },
    { Slider::TicksBoth, "both" },
};
constexpr ValueRule<std::int32_t> TickStyleRule = ChoiceRule<kTickStyles>;

QSlider::TickPosition ToQtTickPosition(std::int32_t style)
{
    switch (style) {
    case Slider::TicksTopLeft:
        return QSlider::TicksAbove;
    case Slider::TicksBottomRight:
        return QSlider::TicksBelow;
    case Slider::TicksBoth:
        return QSlider::TicksBothSides;
    default:
        return QSlider::NoTicks;
    }
}

} // namespace

Slider::Slider() = default;
Slider::~Slider() = default;

void Slider::SetMinimum(std::int32_t value)
{
    minimum_ = value;
    maximum_ = std::max(maximum_, value);
    value_ = std::clamp(value_, minimum_, maximum_);
    ApplyRange();
}

void Slider::SetMaximum(std::int32_t value)
{
    maximum_ = value;
    minimum_ = std::min(minimum_, value);
    value_ = std::clamp(value_, minimum_, maximum_);
    ApplyRange();
}

void Slider::SetValue(std::int32_t value)
{
    value_ = std::clamp(value, minimum_, maximum_);
    ApplyRange();
}

void Slider::SetLineStep(std::int32_t value)
{
    EnforceRule(*this, "LineStep", value, NotNegative);
    lineStep_ = value;
    ApplySteps();
}

void Slider::SetPageStep(std::int32_t value)
{
    EnforceRule(*this, "PageStep", value, NotNegative);
    pageStep_ = value;
    ApplySteps();
}

void Slider::SetTickStyle(std::int32_t value)
{
    EnforceRule(*this, "TickStyle", value, TickStyleRule);
    tickStyle_ = value;
    ApplyTicks();
}

void Slider::SetLiveScroll(bool value)
{
    liveScroll_ = value;
    if (QSlider* bar = Bar())
        bar->setTracking(liveScroll_);
}

QWidget* Slider::CreateWidget(QWidget* parent)
{
    auto* bar = new QSlider(Qt::Horizontal, parent);
    // Every change of the value that no setter blocked is the user's.
    QObject::connect(bar, &QSlider::valueChanged, bar, [this](int value) { TakeUserValue(value); });
    return bar;
}

void Slider::ApplyAll()
{
    ApplyRange();
    ApplySteps();
    ApplyTicks();
    Bar()->setTracking(liveScroll_);
}

QSlider* Slider::Bar() const { return qobject_cast<QSlider*>(Widget()); }

void Slider::ApplyRange()
{
    if (QSlider* bar = Bar()) {
        const QSignalBlocker blocker(bar);
        bar->setRange(minimum_, maximum_);
        bar->setValue(value_);
    }
}

void Slider::ApplySteps()
{
    if (QSlider* bar = Bar()) {
        bar->setSingleStep(lineStep_);
        bar->setPageStep(pageStep_);
    }
}

void Slider::ApplyTicks()
{
    if (QSlider* bar = Bar())
        bar->setTickPosition(ToQtTickPosition(tickStyle_));
}

void Slider::TakeUserValue(int value)
{
    value_ = value;
    RaiseUserEvent(IndexOf(Event::ValueChanged));
}

const ClassTable* Slider::__Lookup()
{
    static const ClassTable* table = [] {
        ClassTable* t = NewClass<Slider>(RectControl::__Lookup(), "Slider");
        AddOwnEvents(*t, Event::GotFocus, EventNames);
        using S = Slider;
        AddMemberProperty(t, "Minimum", &S::Minimum, &S::SetMinimum);
        AddMemberProperty(t, "Maximum", &S::Maximum, &S::SetMaximum);
        AddMemberProperty(t, "Value", &S::Value, &S::SetValue);
        AddMemberProperty(t, "LineStep", &S::LineStep, &S::SetLineStep, NotNegative);
        AddMemberProperty(t, "PageStep", &S::PageStep, &S::SetPageStep, NotNegative);
        AddMemberProperty(t, "TickStyle", &S::TickStyle, &S::SetTickStyle, TickStyleRule);
        AddMemberProperty(t, "LiveScroll", &S::LiveScroll, &S::SetLiveScroll);
        return t;
    }();
    return table;
}

} // namespace fw
