#pragma once

#include <QString>
#include <optional>

// The numeric test and the conversions of what the user typed, with the user's own decimal
// separator accepted beside ".".
namespace forms {

bool isNumeric(const QString& text);
std::optional<short> toInteger16(const QString& text);
std::optional<float> toSingle(const QString& text);
std::optional<double> toDouble(const QString& text);

}  // namespace forms
