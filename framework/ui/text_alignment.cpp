#include "ui/text_alignment.h"

#include <cassert>

namespace fw {

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
