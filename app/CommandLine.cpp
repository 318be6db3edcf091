#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <cstdio>

#include "platform/App.h"
#include "platform/Settings.h"

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

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

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
        print(stderr, QStringLiteral("wirnak: %1\nTry 'wirnak --help'.\n").arg(parser.errorText()));
        return kRefused;
    }
    if (!parser.positionalArguments().isEmpty()) {
        print(stderr, QStringLiteral("wirnak: unexpected argument '%1': the wizard takes no job "
                                     "on its command line; wirnak-cli does.\n"
                                     "Try 'wirnak --help'.\n")
                          .arg(parser.positionalArguments().constFirst()));
        return kRefused;
    }
    if (parser.isSet(help)) {
        print(stdout, QString::fromLatin1(kHelp));
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout, forms::App::title() + u' ' + forms::App::version() + u'\n');
        return 0;
    }
    if (parser.isSet(reset)) {
        const QString error = settings::forgetAll();
        if (!error.isEmpty())
            print(stderr, QStringLiteral("wirnak: the settings in %1 could not be forgotten: %2\n")
                              .arg(settings::filePath(), error));
        return error.isEmpty() ? 0 : 1;
    }
    return std::nullopt;
}
