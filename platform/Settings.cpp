#include "platform/Settings.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QSettings>
#include <QWidget>
#include <QtDebug>
#include <functional>

#include "gauge/Numeric.h"
#include "platform/App.h"

namespace settings {
namespace {

// Every key of the file.
const QString kLastShelf = QStringLiteral("shelf/last");
const QString kResultsGeometry = QStringLiteral("results/geometry");
const QString kMostSizes = QStringLiteral("ranking/mostSizes");
const QString kMostWires = QStringLiteral("ranking/mostWires");
const QString kNoLimit = QStringLiteral("none");

// The settings file itself, named after the organisation and the application. On Windows an
// INI file in the roaming application data (%APPDATA%\Wirnak\Wirnak.ini) rather than the
// registry, so that it is one file to read, check, write whole and forget, as elsewhere.
#ifdef Q_OS_WIN
constexpr QSettings::Format kFormat = QSettings::IniFormat;
#else
constexpr QSettings::Format kFormat = QSettings::NativeFormat;
#endif

class SettingsFile : public QSettings {
public:
    SettingsFile()
        : QSettings(kFormat, QSettings::UserScope, forms::App::organisation(),
                    forms::App::title()) {}
};

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
    // Qt's own reading of a window's geometry is its check.
    QWidget probe;
    if (value.typeId() != QMetaType::QByteArray || !probe.restoreGeometry(value.toByteArray()))
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
            return QStringLiteral("it cannot be read");
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
    SettingsFile file;
    Kept kept;
    const QString fault = read(file, kept);
    if (fault.isEmpty())
        return kept;
    note(QStringLiteral("the settings in %1 are ignored: %2. 'wirnak --reset' forgets them.")
             .arg(QDir::toNativeSeparators(file.fileName()), fault));
    return {};
}

// A damaged file is written afresh, since nothing of it is used.
void change(const std::function<void(QSettings&)>& write) {
    SettingsFile file;
    Kept unused;
    if (!read(file, unused).isEmpty())
        file.clear();
    write(file);
    file.sync();
    if (file.status() != QSettings::NoError)
        note(QStringLiteral("the settings could not be saved in %1; the job goes on without them.")
                 .arg(QDir::toNativeSeparators(file.fileName())));
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

QString filePath() {
    return SettingsFile().fileName();
}

QString forgetAll() {
    QFile file(filePath());
    if (file.exists() && !file.remove())
        return file.errorString();
    return {};
}

}  // namespace settings
