#include "ui/text_alignment.h"

#include "runtime/property_checks.h"

#include <cassert>

namespace fw {

std::optional<std::string> TextAlignmentRule(std::int32_t value)
{
    return ChoiceProblem(value, 4, "0 default, 1 left, 2 centre, 3 right");
}

Qt::Alignment HorizontalAlignment(std::int32_t value)
{
    switch (value) {
    case 2:
        return Qt::AlignHCenter;
    case 3:
        return Qt::AlignRight;
    default:
        assert(value == 0 || value == 1);
        return Qt::AlignLeft;
    }
}

} // namespace fw
