#pragma once

#include <QString>

class QPrinter;

// Printing into a file, whole or not at all. While it lives, a printer that prints into a file
// writes beside that file under a temporary name; finish() checks that what was written is a
// complete PDF on the disk, and only then lets it take the file's place. An existing file is
// never touched before that, and nothing unfinished is left behind. Printing on paper keeps Qt's
// own handling; finish() only asks whether the painting or the printer failed.
//
// It knows nothing of what is printed: construct it after the printer is chosen, paint, finish.
class SafePdfOutput {
public:
    // A failure is told under the heading given, above the file's name and the reason.
    explicit SafePdfOutput(QPrinter& printer, const QString& failureHeading = QStringLiteral(
                                                  "The report could not be printed to"));
    ~SafePdfOutput();  // the printer gets its file name back; an unfinished file goes
    SafePdfOutput(const SafePdfOutput&) = delete;
    SafePdfOutput& operator=(const SafePdfOutput&) = delete;

    // Why printing cannot start, worded for the user; "" when it can.
    const QString& notReady() const { return notReady_; }

    // After the painting has ended, or could not begin (painted false): what went wrong,
    // worded for the user and naming the file or printer, "" when the output is whole and in
    // place.
    QString finish(bool painted = true);

private:
    QString cannotPrintTo(const QString& reason) const;
    QString putInPlace();

    QPrinter& printer_;
    QString failureHeading_;
    QString chosen_;     // the file as the user named it; empty on paper
    QString target_;     // where it goes: the file a link points to, or the file itself
    QString temporary_;  // what the printer writes; empty once finished
    QString notReady_;
};
