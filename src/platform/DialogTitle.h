#pragma once
#include "Dialogs.h"

namespace platform {

// A message box given no title of its own shows the application's title.
inline QString shownTitle(const MessageBoxRequest& request) {
    return request.title.isEmpty() ? QStringLiteral("Brisrundan") : request.title;
}

} // namespace platform
