// The rating (SRS, formerly LYS) as the participant panel writes and reads it, with three decimals, and the
// corrected time it gives.
#include "RaceTime.h"

#include <charconv>
#include <cmath>
#include <string>

namespace timing {

namespace {

// Adds one to a string of decimal digits.
std::string incremented(std::string digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return digits;
        }
        *it = '0';
    }
    return '1' + digits;
}

constexpr std::size_t Decimals = 3;

// A non-negative decimal ("1.0575") rounded to three decimals, an exact half away from zero, as digits
// without a separator ("1058").
std::string thousandths(const std::string& decimal) {
    const std::size_t point = decimal.find('.');
    const std::string whole = decimal.substr(0, point);
    std::string fraction = point == std::string::npos ? std::string() : decimal.substr(point + 1);
    fraction.resize(std::max(fraction.size(), Decimals + 1), '0');
    const std::string kept = whole + fraction.substr(0, Decimals);
    return fraction[Decimals] >= '5' ? incremented(kept) : kept;
}

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// An optional sign, digits, and at most one decimal comma or point, with at least one digit.
bool isPlainNumber(const QString& text) {
    int digits = 0;
    int separators = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (isDigit(c))
            ++digits;
        else if (c == QLatin1Char(',') || c == QLatin1Char('.'))
            ++separators;
        else if (i != 0 || (c != QLatin1Char('-') && c != QLatin1Char('+')))
            return false;
    }
    return digits > 0 && separators <= 1;
}

} // namespace

// The single is rounded as the decimal it stands for, the shortest one that reads back as the same single,
// so a typed 1,0005 shows 1,001 even though the nearest single lies a hair below 1.0005.
QString lysTalText(float lysTal) {
    if (!std::isfinite(lysTal)) return {};
    char buffer[80];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(lysTal), std::chars_format::fixed);
    const std::string digits = thousandths(std::string(buffer, written.ptr));
    const bool zero = digits.find_first_not_of('0') == std::string::npos;
    const std::string sign = lysTal < 0 && !zero ? "-" : "";
    const std::string text =
        sign + digits.substr(0, digits.size() - Decimals) + ',' + digits.substr(digits.size() - Decimals);
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::optional<float> readLysTal(const QString& text) {
    QString number = text.trimmed();
    if (!isPlainNumber(number)) return std::nullopt;
    const bool negative = number.startsWith(QLatin1Char('-'));
    if (negative || number.startsWith(QLatin1Char('+'))) number.remove(0, 1);
    const std::string digits = number.replace(QLatin1Char(','), QLatin1Char('.')).toStdString();
    const char* end = digits.data() + digits.size();
    float value = 0;
    const auto read = std::from_chars(digits.data(), end, value, std::chars_format::fixed);
    if (read.ec != std::errc() || read.ptr != end) return std::nullopt;
    return negative ? -value : value;
}

// The number goes through its panel text, as the box shows it and reads it back.
Duration correctedTime(Duration sailed, float lysTal) {
    const float shown = readLysTal(lysTalText(lysTal)).value_or(0.0f);
    if (shown == 0.0f) return 0;
    return sailed * static_cast<double>(shown);
}

} // namespace timing
