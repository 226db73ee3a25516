// Script text as it may safely appear in a message on a terminal.
#pragma once

#include <string>
#include <string_view>

// `text` cut to its first 80 characters (then "…"), with control characters and bytes that
// are not UTF-8 written as \xHH, so that a script cannot steer the terminal it reports to.
std::string PrintableToken(std::string_view text);
