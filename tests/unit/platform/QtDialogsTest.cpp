#include "QtDialogs.h"
#include "WhenShown.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace platform;

namespace {

void press(QWidget* widget, Qt::Key key) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

TEST(QtDialogsTest, EnterTakesTheDefaultButtonAndEscTheRefusingOne) {
    // Also: no title shows the application's, and the desk's "<Enter>" is plain text.
    struct Case {
        Buttons buttons;
        Answer defaultButton;
        Qt::Key key;
        Answer expected;
    };
    const Case cases[] = {
        {Buttons::OKCancel, Answer::Cancel, Qt::Key_Return, Answer::Cancel},
        {Buttons::OKCancel, Answer::OK, Qt::Key_Escape, Answer::Cancel},
        {Buttons::YesNo, Answer::Yes, Qt::Key_Return, Answer::Yes},
        {Buttons::YesNo, Answer::Yes, Qt::Key_Escape, Answer::No},
        {Buttons::OK, Answer::OK, Qt::Key_Escape, Answer::OK},
    };
    QtDialogs dialogs;
    for (const Case& c : cases) {
        QString shown;
        whenShown<QMessageBox>([&](QMessageBox* box) {
            shown =
                box->windowTitle() + "|" + box->text() + (box->textFormat() == Qt::PlainText ? "|plain" : "");
            press(box, c.key);
        });
        EXPECT_EQ(dialogs.messageBox({"Tryck <Enter>\r\nnu", "", c.buttons, Icon::None, c.defaultButton}),
                  c.expected);
        EXPECT_EQ(shown, "Brisrundan|Tryck <Enter>\nnu|plain");
    }
}

TEST(QtDialogsTest, FiltersBecomeQtNameFilters) {
    EXPECT_EQ(qtNameFilters("DATA FILE *.dat|*.dat"), QStringList{"DATA FILE *.dat (*.dat)"});
    EXPECT_EQ(qtNameFilters("Lopp|*.dat;*.cmt|Alla|*.*"), QStringList({"Lopp (*.dat *.cmt)", "Alla (*.*)"}));
}

// The export dialog's chosen type decides the format, whatever the name typed says.
TEST(QtDialogsTest, TheChosenTypeSetsTheExtension) {
    const QString filter = "Webbsida *.html|*.html|Kalkylblad *.csv|*.csv|PDF *.pdf|*.pdf";
    const struct {
        const char* typed;
        int type;
        const char* chosen;
    } cases[] = {
        {"/r/Höst", 2, "/r/Höst.pdf"},      {"/r/Höst.html", 2, "/r/Höst.pdf"},
        {"/r/Höst.PDF", 2, "/r/Höst.PDF"},  {"/r/Höst.v2", 1, "/r/Höst.v2.csv"},
        {"/r.d/Höst", 0, "/r.d/Höst.html"}, {"/r/Höst", -1, "/r/Höst"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(withTypeExtension(QString::fromUtf8(c.typed), filter, c.type), QString::fromUtf8(c.chosen))
            << c.typed;
}

TEST(QtDialogsTest, ANewFileIsOnlyChosenWhenItsCreationIsConfirmed) {
    QTemporaryDir dir;
    const FileDialogRequest request{
        false, "Skriv i nya filens namn", "DATA FILE *.dat|*.dat", dir.path(), "dat", 8192, "", true};
    QStringList filters;
    QString question;
    auto chooseNy = [](QFileDialog* dialog) {
        dialog->selectFile("Ny");
        static_cast<QDialog*>(dialog)->accept();
    };
    whenShown<QFileDialog>([&](QFileDialog* dialog) {
        filters = dialog->nameFilters();
        whenShown<QMessageBox>([&](QMessageBox* box) {
            question = box->text();
            // No leaves the person in the dialog, to choose again and confirm.
            whenShown<QFileDialog>([&](QFileDialog* again) {
                whenShown<QMessageBox>([](QMessageBox* box) { press(box, Qt::Key_Return); });
                chooseNy(again);
            });
            press(box, Qt::Key_Escape);
        });
        chooseNy(dialog);
    });
    const std::optional<QString> chosen = QtDialogs().fileDialog(request);

    EXPECT_EQ(filters, QStringList{"DATA FILE *.dat (*.dat)"});
    EXPECT_TRUE(question.contains("Filen finns inte.")) << question.toStdString();
    EXPECT_EQ(chosen, QDir::toNativeSeparators(dir.filePath("Ny.dat")));
}

} // namespace
