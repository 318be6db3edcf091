#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "gauge/ShelfFile.h"
#include "search/ResultList.h"

// What Wirnak keeps for the shop from one run to the next, in the desktop's usual place:
// $XDG_CONFIG_HOME/Wirnak/Wirnak.conf (~/.config/Wirnak/Wirnak.conf). The file is taken whole
// or not at all: when it cannot be read, or any value in it fails its check, nothing of it is
// used and one note says so on standard error. A write that fails is noted there too; the job
// goes on without it.
namespace settings {

// The sizes ticked on Available wires, with their stock, when Next was last pressed there.
std::optional<Shelf> lastShelf();
void keepLastShelf(const Shelf& shelf);

// The results window's size and place, as QWidget::saveGeometry gives them; empty when none
// is kept.
QByteArray resultsGeometry();
void keepResultsGeometry(const QByteArray& geometry);

// The shop's limits on a ranked list: at most 1..4 sizes, and at most 1..32767 wires or no
// limit.
std::optional<RankLimits> rankingLimits();
void keepRankingLimits(const RankLimits& limits);

// The file the settings are kept in.
QString filePath();

// Forgets every setting by removing the file. Returns why it could not, "" when it is gone.
QString forgetAll();

}  // namespace settings
