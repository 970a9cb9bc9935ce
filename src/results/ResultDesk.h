#pragma once
// What the result window needs of the race desk.
#include "RaceSidecar.h"

#include <QString>

class ResultDesk {
public:
    virtual ~ResultDesk() = default;
    virtual void lblPanD_Click() = 0;
    // A hand edit of the result list for the race's journal: a cell of the row named rowName in the
    // column, or the heading when column is empty.
    virtual void journalResultEdit(const QString& column, const QString& rowName, const QString& oldText,
                                   const QString& newText) = 0;
    // The result list's own texts as the officer has just changed them, to be kept with the race.
    virtual void saveResultText(const race_data::ResultText& text) = 0;
    // The list built anew from the race and shown, after a change of the texts that alters its sections.
    virtual void rebuildResultList() = 0;
    // The club's name typed by the officer, the default for races made from now on.
    virtual void rememberClub(const QString& club) = 0;
};
