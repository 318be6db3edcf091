#pragma once

#include <string>
#include <string_view>

// How a message shows text that came from outside (typed, read from a file, kept between runs):
// as plain text on one line whatever it holds, so that a terminal obeys none of it.
namespace shown {

// A value as a message shows it: quoted, as one line of plain text whatever was typed, and cut
// short when it is long. Control characters (C0, DEL and C1, which terminals obey), bytes that
// are not UTF-8 and the backslash itself are escaped: \t \n \r \e by name, the rest as \xHH
// per byte, "\\" for the backslash. The cut leaves about 60 characters and never falls inside
// an escape or a character.
std::string quoted(std::string_view text);

// A file's path as a message shows it: escaped as quoted() escapes, without quotes, and when it
// is long its end kept, where the file's own name is, behind "...". On Windows its backslashes,
// the folder separators there, are shown as they are.
std::string path(std::string_view path);

}  // namespace shown
