#pragma once

#include <string>
#include <string_view>

// The plain text of an RTF string, UTF-8 in and out, one line per paragraph. "\par" ends a line,
// so the report's closing "\par " leaves no empty line behind. Beyond paragraphs and the escaped
// characters only groups that hold no text (tables, "\*" destinations) are understood; every
// other control word is dropped. Any input is accepted, unbalanced braces included.
std::string rtfToPlainText(std::string_view rtf);
