// Which label names which control for assistive technology. The records
// carry no such link, so it comes from what the user sees: a label labels the
// nearest control beside it on its row.
//
// A control that takes a label's name is one without a caption of its own
// (RectControl::TakesNameFromLabel: the slider, the text controls). It is on
// the label's row when the label's vertical middle lies within the control's
// height, and beside it when the two do not overlap horizontally; of those,
// the one with the smallest gap between them wins, to the left on a tie. A
// control takes one label's name: a control that an earlier label (in the
// window's order of controls) took is passed over. A label with no such
// control labels nothing.
//
// The link is the label's Qt buddy: Qt's accessibility then gives the
// control the label's text as its accessible name (while the control has no
// accessible name of its own), with a labelled-by relation, and the name
// follows the label's text as it changes. Links are made when the window's
// construction ends and again when a control is added later; moving a control
// from code afterwards does not move them.
#pragma once

#include "runtime/object.h"
#include "text/string.h"
#include "ui/control.h"

#include <utility>
#include <vector>

namespace fw {

void LinkLabels(const std::vector<std::pair<String, Ref<Control>>>& controls);

} // namespace fw
