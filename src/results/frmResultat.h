#pragma once
// The result window: the result list in lvw, the row editor lvwEdit(0..6), the club name and the print
// heading. It is "loaded" while it holds state; unloading loses everything, and the next reference
// loads it again with its design values.
#include "Form.h"
#include "Label.h"
#include "ListView.h"
#include "Platform.h"
#include "ResultColumns.h"
#include "ResultDesk.h"
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

    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }

    // Event handlers.
    void Form_Load();
    bool ResizeForm(frmResultat& FormName, float screenCorr);
    void lvw_ItemClick(int row);
    int lvwEdit_KeyPress(int index, int keyAscii);
    int txtRubrik_KeyPress(int keyAscii);
    void Form_Unload();

    controls::Label* lblKlubbNamn = nullptr;
    controls::TextBox* txtRubrik = nullptr;
    controls::ListView* lvw = nullptr;
    std::array<controls::TextBox*, results::ColumnCount> lvwEdit{};

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildControls();
    void resetToDesign();
    // Moves the window up until it lies wholly on the screen.
    void moveOntoScreen();

    platform::Platform platform_; // a bundle of references, kept by value
    ResultDesk& desk_;
    QImage picture_;
    bool loaded_ = false;
};
