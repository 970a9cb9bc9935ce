#include "EventNames.h"

#include <array>
#include <utility>

namespace platform {

namespace {

constexpr std::array<std::pair<Answer, const char*>, 4> AnswerNames{{
    {Answer::OK, "OK"},
    {Answer::Cancel, "Cancel"},
    {Answer::Yes, "Yes"},
    {Answer::No, "No"},
}};

} // namespace

QString buttonsName(Buttons buttons) {
    switch (buttons) {
    case Buttons::OKCancel:
        return QStringLiteral("OKCancel");
    case Buttons::YesNo:
        return QStringLiteral("YesNo");
    case Buttons::OK:
        break;
    }
    return QStringLiteral("OK");
}

QString iconName(Icon icon) {
    switch (icon) {
    case Icon::Critical:
        return QStringLiteral("critical");
    case Icon::Exclamation:
        return QStringLiteral("exclamation");
    case Icon::Information:
        return QStringLiteral("information");
    case Icon::None:
        break;
    }
    return QStringLiteral("none");
}

QString answerName(Answer answer) {
    for (const auto& [value, name] : AnswerNames) {
        if (value == answer) return QString::fromLatin1(name);
    }
    return {};
}

std::optional<Answer> answerFromName(const QString& name) {
    for (const auto& [value, text] : AnswerNames) {
        if (name == QLatin1String(text)) return value;
    }
    return std::nullopt;
}

} // namespace platform
