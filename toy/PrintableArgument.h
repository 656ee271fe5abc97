#pragma once

#include <string>

// An argument as an error line shows it: control characters, backslashes and bytes that are
// not UTF-8 written as \xNN (or \\), so nothing reaches the terminal as a command, and cut
// to about 60 characters with "..." after it, so a huge argument gives a line, not a page.
std::string Printable(const std::string& arg);
