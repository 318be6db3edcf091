#pragma once

#include <QString>

// Where the wizard's answers to its command line go, before any window is open. Elsewhere the
// standard output or error. On Windows the wizard is a windowed program with no console of its
// own: an answer goes where the standard handle leads when the caller gave one (a pipe, a file),
// else to the console of the program that started it (cmd), else into a message box.
enum class AnswerKind { Output, Error };

void tell(AnswerKind kind, const QString& text);
