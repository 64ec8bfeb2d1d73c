#include "ui/label_links.h"

#include "ui/label.h"

#include <QLabel>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <set>

namespace fw {
namespace {

// The horizontal gap between the label and a control beside it on its row,
// or nothing when the control is not beside it there.
std::optional<std::int64_t> GapBeside(const RectControl& label, const RectControl& control)
{
    const std::int64_t middle = std::int64_t { label.Top() } + label.Height() / 2;
    const std::int64_t top = control.Top();
    if (middle < top || middle >= top + control.Height())
        return std::nullopt;
    const std::int64_t labelLeft = label.Left();
    const std::int64_t labelRight = labelLeft + label.Width();
    const std::int64_t controlLeft = control.Left();
    const std::int64_t controlRight = controlLeft + control.Width();
    if (controlRight <= labelLeft)
        return labelLeft - controlRight;
    if (controlLeft >= labelRight)
        return controlLeft - labelRight;
    return std::nullopt;
}

} // namespace

void LinkLabels(const std::vector<std::pair<String, Ref<Control>>>& controls)
{
    std::set<const RectControl*> taken;
    for (const auto& [labelName, labelControl] : controls) {
        auto* label = dynamic_cast<Label*>(labelControl.get());
        auto* labelWidget = label ? qobject_cast<QLabel*>(label->Widget()) : nullptr;
        if (!labelWidget)
            continue;
        const RectControl* nearest = nullptr;
        std::int64_t nearestGap = std::numeric_limits<std::int64_t>::max();
        for (const auto& [name, control] : controls) {
            const auto* candidate = dynamic_cast<const RectControl*>(control.get());
            if (!candidate || !candidate->Widget() || !candidate->TakesNameFromLabel() || taken.contains(candidate))
                continue;
            const std::optional<std::int64_t> gap = GapBeside(*label, *candidate);
            // On a tie the control further left, the one to the label's left.
            if (gap && (*gap < nearestGap || (*gap == nearestGap && candidate->Left() < nearest->Left()))) {
                nearest = candidate;
                nearestGap = *gap;
            }
        }
        if (nearest)
            taken.insert(nearest);
        labelWidget->setBuddy(nearest ? nearest->Widget() : nullptr);
    }
}

} // namespace fw
