// The race's journal for the jury is written by the race model with every change; the desk only tells
// the officer, once per race, that it could not be written. The change itself stands.
#include "frmMain.h"

#include "FileFailure.h"

void frmMain::tellJournalFailure() {
    const std::optional<RuntimeError> failure = race_.untoldJournalFailure();
    if (!failure) return;
    QString text = QStringLiteral("Journalen för tävlingen kan inte skrivas.");
    const QString file = base::fileFailureLine(*failure);
    if (!file.isEmpty()) text += QStringLiteral("\r\n\r\n") + file;
    text += QStringLiteral("\r\n\r\nRegistreringarna sparas ändå i tävlingsfilen.");
    msg(text, platform::Buttons::OK, platform::Icon::Exclamation);
}

void frmMain::journalResultEdit(const QString& column, const QString& rowName, const QString& oldText,
                                const QString& newText) {
    const Command command(*this);
    race_.journalResultEdit(column, rowName, oldText, newText);
}
