#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// The lines of a PDF's text, their blank runs shortened to one (the layout of a proportional
// font does not keep them), without blank lines, page breaks and the page number below.
inline QStringList pdfLines(const QString& path) {
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", path, "-"});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        return {"<pdftotext failed>"};
    QStringList lines;
    for (QString line : QString::fromUtf8(pdftotext.readAllStandardOutput()).split('\n')) {
        line.remove('\f');
        if (!line.trimmed().isEmpty())
            lines << line.simplified();
    }
    if (!lines.isEmpty() && lines.last() == "1")
        lines.removeLast();
    return lines;
}

// The lines of each page of a PDF's text, their blank runs shortened to one, without blank lines.
inline QList<QStringList> pdfPages(const QString& path) {
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", path, "-"});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        return {{"<pdftotext failed>"}};
    QList<QStringList> pages;
    for (const QString& page : QString::fromUtf8(pdftotext.readAllStandardOutput()).split('\f')) {
        QStringList lines;
        for (const QString& line : page.split('\n')) {
            if (!line.trimmed().isEmpty())
                lines << line.simplified();
        }
        if (!lines.isEmpty())
            pages << lines;
    }
    return pages;
}
