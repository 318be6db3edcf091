#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QDir>

#include "app/Answer.h"
#include "desktop/Settings.h"
#include "forms/App.h"

namespace {

constexpr int kRefused = 2;  // as wirnak-cli answers bad input

// Written out rather than Qt's, which has no program name to show before the application object
// exists.
const char* const kHelp =
    "Usage: wirnak [options]\n"
    "Finds the combinations of available SWG wire sizes, laid in parallel, whose copper\n"
    "cross-section is within 0.5 % of a winding's wire. The job is entered in the wizard's\n"
    "windows; wirnak-cli runs the same search on a job given as arguments.\n"
    "\n"
    "Options:\n"
    "  -h, --help     Displays this help.\n"
    "  -v, --version  Displays version information.\n"
    "  --reset        Forgets every setting kept between runs, such as the last shelf,\n"
    "                 and exits.\n";

}  // namespace

std::optional<int> answerCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    // "-platform" is one unknown option, not seven unknown letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // Not Qt's help option: it adds --help-all, which lists Qt options the wizard refuses.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption reset(QStringLiteral("reset"));
    parser.addOption(reset);

    if (!parser.parse(arguments)) {
        tell(AnswerKind::Error,
             QStringLiteral("wirnak: %1\nTry 'wirnak --help'.\n").arg(parser.errorText()));
        return kRefused;
    }
    if (!parser.positionalArguments().isEmpty()) {
        tell(AnswerKind::Error,
             QStringLiteral("wirnak: unexpected argument '%1': the wizard takes no job "
                            "on its command line; wirnak-cli does.\n"
                            "Try 'wirnak --help'.\n")
                 .arg(parser.positionalArguments().constFirst()));
        return kRefused;
    }
    if (parser.isSet(help)) {
        tell(AnswerKind::Output, QString::fromLatin1(kHelp));
        return 0;
    }
    if (parser.isSet(version)) {
        tell(AnswerKind::Output, forms::App::title() + u' ' + forms::App::version() + u'\n');
        return 0;
    }
    if (parser.isSet(reset)) {
        const QString error = settings::forgetAll();
        if (!error.isEmpty())
            tell(AnswerKind::Error,
                 QStringLiteral("wirnak: the settings in %1 could not be forgotten: %2\n")
                     .arg(QDir::toNativeSeparators(settings::filePath()), error));
        return error.isEmpty() ? 0 : 1;
    }
    return std::nullopt;
}
