#pragma once
// The race desk window: the desk's state, its four lists, its controls and every handler. The race
// itself is held by race::Race; the handlers turn list positions into record numbers and call it.
// The handlers live in one source file per area of the desk (startup, file commands, participant
// panel, window chrome, start panel, finish registration, result commands).
#include "Button.h"
#include "ComboBox.h"
#include "Form.h"
#include "Label.h"
#include "ListBox.h"
#include "Panel.h"
#include "Picture.h"
#include "Platform.h"
#include "Race.h"
#include "ResultDesk.h"
#include "ResultList.h"
#include "TextBox.h"

#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class frmResultat;
class HelpWindow;
namespace publish {
class LiveServer;
}
struct DeltagarPost;
namespace race_data {
struct EntryList;
} // namespace race_data

class frmMain : public controls::Form, public ResultDesk {
    Q_OBJECT
    // The open race; the desk's state below shows it and its lists are views of it.
    race::Race race_;

public:
    explicit frmMain(platform::Platform& platform);
    ~frmMain() override;

    // Race desk state.
    QString DataFil;
    QString KommentarFil;
    QString SparaSomFil;
    QString TavlingsNamn;
    std::int32_t AntalDeltagare = 0;
    const double& GemensamStart; // the race's common start, held by the race
    double AktMalTid = 0.0;
    double AktSeglTid = 0.0;
    double AktKorrTid = 0.0;
    QString BatarIMalText;
    QStringList BatarIMal;
    bool EditLage = false;
    bool Aktiverad = false;

    // Start-up and shutdown.
    void Form_Load();
    void Form_Activate();
    void Form_Unload();
    void lblQuit_Click();
    bool isLoaded() const { return loaded_; }
    frmResultat& resultat(); // the result window, loaded on reference
    frmResultat* resultatIfLoaded() const;
    // Runs when both windows are unloaded: the program has ended.
    std::function<void()> onEnded;
    // The real program activates the desk whenever its window becomes active; a script does it itself.
    void setActivateOnWindowActivation(bool on) { activateOnWindowActivation_ = on; }

    // File commands.
    void lblNewFile_Click();
    void lblOpen_Click();
    void lblSave_Click();
    void RensaDesken();

    // Participant panel.
    void lstDeltagare_Click();
    void PostTillFalt(const DeltagarPost& post);
    void FaltTillPost(DeltagarPost& post);
    int LaggTillListRad(std::int32_t recordNumber, int replacing);
    void VisaListKnappar();
    void VisaEditKnappar();
    void AddButton_Click();
    void EditButton_Click();
    void CancelButton_Click();
    void OkButton_Click();
    void DeleteButton_Click();
    int Form_KeyPress(int keyAscii);
    int LysTal_KeyPress(int keyAscii);

    // Window chrome.
    void lblPanD_Click() override;
    void lblPanSM_Click();
    void lblInfo_Click();
    // During a race: the help beside the panel, opened or closed again.
    void toggleRaceHelp();
    bool raceHelpShown() const;
    bool ResizeForm(frmMain& FormName, float screenCorr);

    // Start panel.
    void StartButton_Click();
    int txtStartTid_KeyPress(int keyAscii);
    bool SparaStartTid(double start);
    // Start groups: the chooser on the participant panel, the list of groups and their starts.
    void lstStarter_Click();
    void cboStart_Click();
    int cboStart_KeyPress(int keyAscii);

    // Finish registration.
    void lstPG_DblClick();
    void lstMg_Click();
    int MTid_KeyPress(int keyAscii);
    void SparaMalTid(int record, double finishTime, race::FinishSource source);
    void registerTypedFinish(int record, const QString& text);

    // The race clock: time of day, time since the start and how many boats are home, in large type.
    void showRaceClock();

    // Finish by sail number.
    int txtSegelNr_KeyPress(int keyAscii);

    // Result commands.
    void lblfrmRes_Click();
    void lblPanPrint_Click();

    // "Publicera": the result list live on the club's network, started and stopped again; the snapshot
    // the server answers from is made anew after every command while it runs.
    void lblPublicera_Click();
    void stopPublishing();
    void publishResults();
    // The server stopped on its own: publishing ends and the desk says why, once.
    void publishingStopped(const QString& reason);
    bool isPublishing() const { return server_ != nullptr; }
    quint64 publishedVersion() const { return publishedVersion_; }

    // Exchange commands: the result list out to a file, an entry list in.
    void lblExport_Click();
    void lblImport_Click();

    // What the result window needs of the desk.
    void journalResultEdit(const QString& column, const QString& rowName, const QString& oldText,
                           const QString& newText) override;
    void saveResultText(const race_data::ResultText& text) override;
    void rememberClub(const QString& club) override;
    void rebuildResultList() override;
    // After a command: a changed row that the officer corrected by hand asks whether to keep the correction.
    void reviewHandCorrections();

    // Command column and pictures.
    controls::Label *lblNewFile, *lblOpen, *lblSave, *lblInfo, *lblQuit;
    controls::Label *lblPanD, *lblPanSM, *lblfrmRes, *lblPanPrint, *lblExport, *lblImport;
    controls::Label *lblPublicera, *lblAdress;
    controls::Picture* Image3;
    controls::Label* lblLogo;
    controls::Picture* imgKolumn;

    // Participant panel.
    controls::Panel* panDeltagare;
    controls::ListBox* lstDeltagare;
    controls::TextBox *Namn, *SegelId, *BTyp, *LysTal;
    controls::MultiLineTextBox* CommentsBox;
    controls::Button *AddButton, *EditButton, *DeleteButton, *OkButton, *CancelButton;
    controls::Label *Start, *SlutTid, *TotTid, *KorrTid;
    controls::ComboBox* cboStart;
    std::array<controls::Label*, 2> lblDatum{};
    controls::Label* lblMotto;

    // Start and finish panel.
    controls::Panel* panAdmin;
    controls::Panel *panStart, *panPG, *panMg, *panMal;
    controls::Button* StartButton;
    controls::TextBox* txtStartTid;
    controls::Label* StartMsg;
    controls::ListBox* lstStarter; // the groups and their starts, in a race of several groups
    controls::ListBox *lstPG, *lstMg, *lstSortMG;
    controls::TextBox* MTid;
    controls::Label *STid, *KTid;
    controls::Picture* imgAdmin;
    controls::Label* lblSegelNr;
    controls::TextBox* txtSegelNr;
    controls::Label *lblKlocka, *lblSedanStart, *lblIMal;
    controls::Label* lblFel; // a failed write during the race, until a later write succeeds
    controls::MultiLineTextBox* txtInfo;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildControls();
    void buildCommandColumn();
    void buildParticipantPanel();
    void buildStartAndFinishPanel();
    void wireHandlers();
    void unloadBoth();

    // Shared by start-up and the open command.
    bool openInModel(const QString& path, const QString& failure);
    bool openRace(const QString& path);
    void openStartupRace();
    void tellRaceFailure(const QString& what, const QString& path, const RuntimeError& failure);
    void showRaceCaptions(const QString& title);
    void focusFinishLine();
    results::ResultatLista computedResultList();
    void showInResultWindow(frmResultat& r, const results::ResultatLista& list);
    QString defaultClub() const;
    void showRaceUnderWay();
    void clearParticipantFields();
    void closeRaceFiles();
    void listParticipants();
    void showStartTime();
    void showLoadedRace();
    std::optional<platform::Answer> askNewStart();
    bool showStartChange(const race::StartChange& change);
    void showStarters();
    std::optional<QString> selectedGroup() const;
    double shownStart() const;
    bool startButtonUsable() const;
    void startGroupsNow(double now);
    void typedGroupStart(double typed);
    bool SparaGruppStart(const QString& group, double start);
    void saveBoatGroup(int record);
    bool refusedBeforeItsStart(int record);
    void restoreFinishQueue();
    void tellUnsavedFinishes();
    void fillApproachList();
    int approachPosition(int record) const;
    void showApproach(int record);
    void showQueueAndRanking();
    void showRanking();
    void showRankingMoves(const std::vector<race::Ranking::Move>& moves);
    int showSavedEntry(int record, const QString& entry, int replacing);
    void showDeletedEntry(int record, int position, int queueIndex);
    bool syncFlags();
    void saveMovedFlags();
    std::vector<int> listOrder() const;
    int listPosition(int record) const;
    void selectParticipantRecord(int record);
    void showRaceUnderWayCaption();
    QString appPath() const;
    void msg(const QString& text, platform::Buttons buttons = platform::Buttons::OK,
             platform::Icon icon = platform::Icon::None, const QString& title = {});
    platform::Answer ask(const QString& text, const QString& title, platform::Buttons buttons,
                         platform::Icon icon, platform::Answer defaultButton);
    void registerFinishAt(int queueIndex, int record, double finishTime, bool markEntry);
    race::FinishSource finishSource_ = race::FinishSource::Klick;
    // A journal that could not be written is told once per race, after the command that found it.
    void tellJournalFailure();
    void addImportedEntries(const race_data::EntryList& list);
    void showSegelNr(bool shown);
    void refuseSegelNr(const QString& typed, std::vector<int> found);
    // Scoring codes and taking back: from the sail-number box, and Ctrl+Z for the latest registration.
    void giveCode(int record, const QString& code);
    void takeBack(int record);
    void showTakenBackFinish(int record);
    int lastRegistered_ = 0;
    int queueForFinish(int record);
    void showUpdateError();
    bool showFinishLineBanner(const QString& text);
    void showWriteFailure(const RuntimeError& failure, const QString& consequence,
                          const std::optional<RuntimeError>& alsoFailed = std::nullopt);
    void saveSettings();
    void clearFailureBanner();
    // Set while this desk shows the example race because another desk has the last race open.
    bool settingsOfAnotherDesk_ = false;
    // One handler's run: a write failure is told once in it, however many writes fail.
    class Command {
    public:
        explicit Command(frmMain& desk);
        ~Command();
        Command(const Command&) = delete;
        Command& operator=(const Command&) = delete;

    private:
        frmMain& desk_;
    };
    int commandDepth_ = 0;
    bool toldWriteFailure_ = false;
    void withdrawUnsavedParticipant(int record, int position);
    platform::FileDialogRequest raceFileDialog() const;

    platform::Platform platform_; // a bundle of references, kept by value
    std::unique_ptr<frmResultat> resultat_;
    HelpWindow* raceHelp_ = nullptr; // owned by the desk as its child window
    std::unique_ptr<publish::LiveServer> server_;
    quint64 publishedVersion_ = 0;
    mutable std::optional<QString> clubDefault_; // the settings' club, once read
    std::vector<QString> starterGroups_;         // lstStarter's groups, by position
    QImage background_;
    bool loaded_ = false;
    bool activateOnWindowActivation_ = false;
};
