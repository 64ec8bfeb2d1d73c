// The one switch of the debug log. Every line it writes reveals part of a
// password, so it takes a deliberate rule in the environment to turn it on:
//
//     QT_LOGGING_RULES=framework.debuglog.debug=true
//
// The rules are read as Qt reads that variable: separated by ';' or line
// ends, each `<category>[.<level>]=true|false`, spaces around the key and
// the value ignored, malformed rules and rules under a section other than
// "[Rules]" skipped, a later rule over an earlier one. The log is on when
// that exact rule appears and no later rule that covers the category's debug
// messages says false. A wildcard (`*.debug`, `framework.*`, `*log`) or the
// category without a level can switch it off, never on; a key written with
// Qt's %-escapes counts as one that covers it. Qt's logging configuration
// files (qtlogging.ini, QT_LOGGING_CONF) and the filter rules a program sets
// play no part, so a general debug switch never prints passwords.
#pragma once

#include <string_view>

namespace fw {

// Whether `rules`, the text of QT_LOGGING_RULES, switch the debug log on.
bool DebugLogSwitchedOn(std::string_view rules);

} // namespace fw
