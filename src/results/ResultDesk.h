#pragma once
// What the result window needs of the race desk.
#include <QString>

class ResultDesk {
public:
    virtual ~ResultDesk() = default;
    // Selects the entry at index in the participant list (the panel then shows that participant).
    virtual void selectParticipant(int index) = 0;
    virtual QString commentsBoxText() const = 0;
    virtual void setCommentsBoxText(const QString& text) = 0;
    virtual void showDesk() = 0;
    virtual void lblPanD_Click() = 0;
    // A hand edit of the result list for the race's journal: a cell of the row named rowName in the
    // column, or the heading when column is empty.
    virtual void journalResultEdit(const QString& column, const QString& rowName, const QString& oldText,
                                   const QString& newText) = 0;
};
