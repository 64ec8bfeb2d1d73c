#include "text/text.h"

namespace fw {

Text Int32::ToText(std::int32_t value, const Locale* /*locale*/) { return Text(std::to_string(value)); }

Text RuntimeConcatText(const Text& first, const Text& second) { return Text(first.Bytes() + second.Bytes()); }

String RuntimeStringFromText(const Text& text) { return String(text.Bytes()); }

} // namespace fw
