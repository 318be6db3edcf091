#pragma once

#include <QStringList>
#include <optional>

// The wizard's command line: --help and --version are answered and --reset forgets the kept
// settings; anything else is refused, since the wizard takes its job from its windows alone. Read
// before any window system is reached, so that both answers work without a display.
//
// Returns the exit status when the program should end at once, with its answer printed; nothing
// when the wizard should start.
std::optional<int> answerCommandLine(const QStringList& arguments);
