#include "forms/Numbers.h"

#include <QLocale>
#include <string>

#include "gauge/Numeric.h"

namespace forms {
namespace {

std::string userSeparator() {
    return QLocale().decimalPoint().toStdString();
}

}  // namespace

bool isNumeric(const QString& text) {
    return numeric::isNumeric(text.toStdString(), userSeparator());
}

std::optional<short> toInteger16(const QString& text) {
    return numeric::toInteger16(text.toStdString(), userSeparator());
}

std::optional<float> toSingle(const QString& text) {
    return numeric::toSingle(text.toStdString(), userSeparator());
}

std::optional<double> toDouble(const QString& text) {
    return numeric::toDouble(text.toStdString(), userSeparator());
}

}  // namespace forms
