#pragma once
// Text that came from outside (a script, a data file, the command line) shown in one line of a
// message, so that it can neither flood the screen nor act on the terminal.
#include <cstddef>
#include <string>
#include <string_view>

namespace tenrali {

// The text in double quotes, cut after `limit` bytes (at a character's end, with "…" after), and
// every byte a terminal would act on or not show as \xNN: control bytes, bytes that are not
// UTF-8, and the invisible marks (a byte-order mark, the marks that turn text around). A quote
// and a backslash are shown as \" and \\.
std::string quoted(std::string_view text, std::size_t limit = 40);

}  // namespace tenrali
