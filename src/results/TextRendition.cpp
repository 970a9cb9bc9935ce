#include "TextRendition.h"

#include <type_traits>

namespace results {

QStringList renderPrint(const std::vector<platform::PrintItem>& items) {
    QStringList lines{QString()};
    for (const platform::PrintItem& item : items) {
        std::visit(
            [&lines](const auto& value) {
                using T = std::decay_t<decltype(value)>;
                if constexpr (std::is_same_v<T, platform::Tab>) {
                    // The position is the column after the last character printed, from 1.
                    const auto position = lines.back().size() + 1;
                    if (position > value.column) lines.append(QString());
                    const auto blanks = value.column - (lines.back().size() + 1);
                    if (blanks > 0) lines.back().append(QString(blanks, QLatin1Char(' ')));
                } else {
                    lines.back().append(value);
                }
            },
            item);
    }
    return lines;
}

} // namespace results
