#pragma once
// The result window: the result list in lvw with the officer's hand corrections marked, the row editor
// lvwEdit(0..7), the club name txtKlubb, the heading txtRubrik, the box chkSlutlig that marks the list
// final and, in a race of several start groups, the box chkTotalt that adds all boats ranked together. Every
// change the officer makes is handed to the desk at once, to be kept with the race. It is "loaded" while it
// holds state; unloading loses everything, and the next reference loads it again with its design values.
#include "CheckBox.h"
#include "Form.h"
#include "Label.h"
#include "ListView.h"
#include "Platform.h"
#include "ResultColumns.h"
#include "ResultDesk.h"
#include "ResultList.h"
#include "TextBox.h"

#include <QImage>
#include <array>

class frmResultat : public controls::Form {
    Q_OBJECT
public:
    frmResultat(platform::Platform& platform, ResultDesk& desk);

    // Loads the window (design values, then Form_Load) unless it is loaded; the window stays hidden.
    void ensureLoaded();
    bool isLoaded() const { return loaded_; }
    // Unloads without running Form_Unload (the desk's own shutdown).
    void unload();

    // Shows the list as the race scores it, with the race's own texts laid over it: the corrections, the
    // typed heading (else defaultHeading shown greyed), the club (else defaultClub) and the final mark.
    void showList(const results::ResultatLista& computed, const race_data::ResultText& text,
                  const QString& defaultHeading, const QString& defaultClub);
    // What print and exports carry: the club as shown, the typed heading or the default one.
    QString clubName() const;
    QString heading() const;
    bool isFinal() const;
    // The section of each row shown; empty in a race of one group.
    const std::vector<results::RowSection>& sections() const { return computed_.sections; }

    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }

    // Event handlers.
    void Form_Load();
    bool ResizeForm(frmResultat& FormName, float screenCorr);
    void lvw_ItemClick(int row);
    int lvwEdit_KeyPress(int index, int keyAscii);
    int txtRubrik_KeyPress(int keyAscii);
    int txtKlubb_KeyPress(int keyAscii);
    void chkSlutlig_Click();
    void chkTotalt_Click();
    void Form_Unload();

    controls::Label* lblKlubbNamn = nullptr;
    controls::TextBox* txtKlubb = nullptr;
    controls::TextBox* txtRubrik = nullptr;
    controls::CheckBox* chkSlutlig = nullptr;
    controls::CheckBox* chkTotalt = nullptr; // shown only in a race of several start groups
    controls::Label* lblStatus = nullptr;    // a line that tells what was just done, "Sparad: PATH"
    controls::ListView* lvw = nullptr;
    std::array<controls::TextBox*, results::ColumnCount> lvwEdit{};

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildControls();
    void resetToDesign();
    // Moves the window up until it lies wholly on the screen.
    void moveOntoScreen();
    // The list with the corrections laid over it, corrected cells marked.
    void showRows();
    void keepText();
    // A tick box's change for the journal, as "ja" or "nej".
    void journalTick(const QString& box, bool before, bool now);

    platform::Platform platform_; // a bundle of references, kept by value
    ResultDesk& desk_;
    QImage picture_;
    results::ResultatLista computed_;
    race_data::ResultText text_;
    bool loaded_ = false;
};
