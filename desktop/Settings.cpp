#include "desktop/Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>
#include <QtDebug>
#include <functional>

#include "desktop/KeptGeometry.h"
#include "forms/App.h"
#include "gauge/Numeric.h"
#include "gauge/Quoted.h"

namespace settings {
namespace {

// Every key of the file.
const QString kLastShelf = QStringLiteral("shelf/last");
const QString kResultsGeometry = QStringLiteral("results/geometry");
const QString kMostSizes = QStringLiteral("ranking/mostSizes");
const QString kMostWires = QStringLiteral("ranking/mostWires");
const QString kNoLimit = QStringLiteral("none");

// Far more than the program ever keeps. QSettings reads the whole file as it opens it, and a
// file of some megabytes would hold up every page that looks at it.
constexpr qint64 kLargestFile = 1024 * 1024;

// The settings file itself, named after the organisation and the application, where the
// desktop keeps them (QSettings' own place for them, without its fallbacks to other files). Its
// path is known before the file is opened, which the size check needs.
class SettingsFile : public QSettings {
public:
    SettingsFile() : QSettings(filePath(), QSettings::IniFormat) {}
};

bool tooLarge() {
    return QFileInfo(filePath()).size() > kLargestFile;
}

// The path as notes show paths, whatever bytes it holds.
QString shownFilePath() {
    return QDir::toNativeSeparators(
        QString::fromStdString(shown::path(QFile::encodeName(filePath()).toStdString())));
}

// Each note once per run, however often the file is read.
void note(const QString& text) {
    static QSet<QString> noted;
    if (noted.contains(text))
        return;
    noted.insert(text);
    qWarning().noquote() << QStringLiteral("wirnak: ") + text;
}

struct Kept {
    std::optional<Shelf> lastShelf;
    QByteArray resultsGeometry;
    std::optional<RankLimits> limits;
};

// A plain value as the file holds it: text, unless Qt marked it as something else.
std::optional<QString> textAt(const QSettings& file, const QString& key) {
    const QVariant value = file.value(key);
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    return value.toString();
}

// A whole number as a typed one is read, within its range.
std::optional<int> numberAt(const QSettings& file, const QString& key, int least, int most) {
    const auto text = textAt(file, key);
    const auto number = text ? numeric::toInteger16(text->toStdString()) : std::nullopt;
    if (!number || *number < least || *number > most)
        return std::nullopt;
    return *number;
}

QString shelfFaultIn(const QSettings& file, std::optional<Shelf>& shelf) {
    const auto text = textAt(file, kLastShelf);
    if (!text)
        return QStringLiteral("the last shelf is not a text");
    const ShelfReading reading = readShelf(text->toStdString());
    if (!reading.ok()) {
        const QString line =
            reading.errorLine > 0 ? QStringLiteral("line %1: ").arg(reading.errorLine) : QString();
        return QStringLiteral("the last shelf is damaged (%1%2)")
            .arg(line, QString::fromStdString(reading.error));
    }
    shelf = reading.shelf;
    return {};
}

QString geometryFaultIn(const QSettings& file, QByteArray& geometry) {
    const QVariant value = file.value(kResultsGeometry);
    // Qt's own reading of a window's geometry is the last check, once the sizes are sane.
    QWidget probe;
    if (value.typeId() != QMetaType::QByteArray || !geometryFitsTheScreens(value.toByteArray()) ||
        !probe.restoreGeometry(value.toByteArray()))
        return QStringLiteral("the results window's size and place are damaged");
    geometry = value.toByteArray();
    return {};
}

QString limitsFaultIn(const QSettings& file, std::optional<RankLimits>& limits) {
    const auto sizes = numberAt(file, kMostSizes, 1, 4);
    const bool noWireLimit = textAt(file, kMostWires) == kNoLimit;
    const auto wires = noWireLimit ? std::nullopt : numberAt(file, kMostWires, 1, 32767);
    if (!sizes || (!noWireLimit && !wires))
        return QStringLiteral("the ranking limits are damaged");
    limits = RankLimits{*sizes, wires};
    return {};
}

// Reads every value the program knows; what is wrong with the file, "" when nothing is. Keys
// the program does not know are left alone.
QString read(const QSettings& file, Kept& kept) {
    switch (file.status()) {
        case QSettings::AccessError:
            // QSettings says the same when it could not write what it was given to keep; those
            // values stay with it for the run, and change() has said that they are not saved.
            if (QFile readable(filePath()); !readable.open(QIODevice::ReadOnly))
                return QStringLiteral("it cannot be read");
            break;
        case QSettings::FormatError:
            return QStringLiteral("it is not a settings file");
        case QSettings::NoError:
            break;
    }
    QString fault;
    if (file.contains(kLastShelf))
        fault = shelfFaultIn(file, kept.lastShelf);
    if (fault.isEmpty() && file.contains(kResultsGeometry))
        fault = geometryFaultIn(file, kept.resultsGeometry);
    if (fault.isEmpty() && (file.contains(kMostSizes) || file.contains(kMostWires)))
        fault = limitsFaultIn(file, kept.limits);
    return fault;
}

// The file's values, or nothing of it when any fails.
Kept readAll() {
    Kept kept;
    QString fault;
    if (tooLarge()) {
        fault = QStringLiteral("it is larger than 1 MiB");
    } else {
        SettingsFile file;
        fault = read(file, kept);
    }
    if (fault.isEmpty())
        return kept;
    note(QStringLiteral("the settings in %1 are ignored: %2. 'wirnak --reset' forgets them.")
             .arg(shownFilePath(), fault));
    return {};
}

// A damaged file is written afresh, since nothing of it is used.
void change(const std::function<void(QSettings&)>& write) {
    if (tooLarge())
        QFile::remove(filePath());  // rather than read it only to clear it
    SettingsFile file;
    Kept unused;
    if (!read(file, unused).isEmpty())
        file.clear();
    write(file);
    file.sync();
    if (file.status() != QSettings::NoError)
        note(QStringLiteral("the settings could not be saved in %1; the job goes on without them.")
                 .arg(shownFilePath()));
}

}  // namespace

std::optional<Shelf> lastShelf() {
    return readAll().lastShelf;
}

void keepLastShelf(const Shelf& shelf) {
    change([&shelf](QSettings& file) {
        file.setValue(kLastShelf, QString::fromStdString(shelfText(shelf)));
    });
}

QByteArray resultsGeometry() {
    return readAll().resultsGeometry;
}

void keepResultsGeometry(const QByteArray& geometry) {
    change([&geometry](QSettings& file) { file.setValue(kResultsGeometry, geometry); });
}

std::optional<RankLimits> rankingLimits() {
    return readAll().limits;
}

void keepRankingLimits(const RankLimits& limits) {
    change([&limits](QSettings& file) {
        file.setValue(kMostSizes, QString::number(limits.mostSizes));
        file.setValue(kMostWires, limits.mostWires ? QString::number(*limits.mostWires) : kNoLimit);
    });
}

// On Windows an INI file in the roaming application data (%APPDATA%\Wirnak\Wirnak.ini) rather
// than the registry, so that it is one file to read, check, write whole and forget, as elsewhere.
QString filePath() {
#ifdef Q_OS_WIN
    const QString folder = qEnvironmentVariable("APPDATA");
    const QString suffix = QStringLiteral(".ini");
#else
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString suffix = QStringLiteral(".conf");
#endif
    return QDir(folder).filePath(forms::App::organisation() + QLatin1Char('/') +
                                 forms::App::title() + suffix);
}

QString forgetAll() {
    QFile file(filePath());
    if (file.exists() && !file.remove())
        return file.errorString();
    return {};
}

}  // namespace settings
