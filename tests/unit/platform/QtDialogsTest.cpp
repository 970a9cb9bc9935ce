#include "QtDialogs.h"
#include "WhenShown.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace platform;

namespace {

void press(QWidget* widget, Qt::Key key) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// Enter takes the default button, Esc the refusing one; "<Enter>" is plain text.
TEST(QtDialogsTest, EnterTakesTheDefaultButtonAndEscTheRefusingOne) {
    const std::tuple<Buttons, Answer, Qt::Key, Answer> cases[] = {
        {Buttons::OKCancel, Answer::Cancel, Qt::Key_Return, Answer::Cancel},
        {Buttons::OKCancel, Answer::OK, Qt::Key_Escape, Answer::Cancel},
        {Buttons::YesNo, Answer::Yes, Qt::Key_Return, Answer::Yes},
        {Buttons::YesNo, Answer::Yes, Qt::Key_Escape, Answer::No},
        {Buttons::OK, Answer::OK, Qt::Key_Escape, Answer::OK},
    };
    QtDialogs dialogs;
    for (const auto& [buttons, defaultButton, key, expected] : cases) {
        QString shown;
        whenShown<QMessageBox>([&](QMessageBox* box) {
            shown =
                box->windowTitle() + "|" + box->text() + (box->textFormat() == Qt::PlainText ? "|plain" : "");
            press(box, key);
        });
        EXPECT_EQ(dialogs.messageBox({"Tryck <Enter>\r\nnu", "", buttons, Icon::None, defaultButton}),
                  expected);
        EXPECT_EQ(shown, "Brisrundan|Tryck <Enter>\nnu|plain");
    }
}

TEST(QtDialogsTest, TheChosenTypeSetsTheExtension) {
    const QString filter = "Webbsida *.html|*.html|Kalkylblad *.csv|*.csv|PDF *.pdf|*.pdf";
    const std::tuple<const char*, int, const char*> cases[] = {
        {"/r/Höst", 2, "/r/Höst.pdf"},      {"/r/Höst.html", 2, "/r/Höst.pdf"},
        {"/r/Höst.PDF", 2, "/r/Höst.PDF"},  {"/r/Höst.v2", 1, "/r/Höst.v2.csv"},
        {"/r.d/Höst", 0, "/r.d/Höst.html"}, {"/r/Höst", -1, "/r/Höst"},
    };
    for (const auto& [typed, type, chosen] : cases)
        EXPECT_EQ(withTypeExtension(typed, filter, type), chosen) << typed;
    EXPECT_EQ(qtNameFilters("Lopp|*.dat;*.cmt|Alla|*.*"), QStringList({"Lopp (*.dat *.cmt)", "Alla (*.*)"}));
}

// No to "create it?" leaves the person in the dialog, to choose again and confirm.
TEST(QtDialogsTest, ANewFileIsOnlyChosenWhenItsCreationIsConfirmed) {
    QTemporaryDir dir;
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
            whenShown<QFileDialog>([&](QFileDialog* again) {
                whenShown<QMessageBox>([](QMessageBox* box) { press(box, Qt::Key_Return); });
                chooseNy(again);
            });
            press(box, Qt::Key_Escape);
        });
        chooseNy(dialog);
    });
    EXPECT_EQ(QtDialogs().fileDialog({false, "Skriv i nya filens namn", "DATA FILE *.dat|*.dat", dir.path(),
                                      "dat", 8192, "", true}),
              QDir::toNativeSeparators(dir.filePath("Ny.dat")));
    EXPECT_EQ(filters, QStringList{"DATA FILE *.dat (*.dat)"});
    EXPECT_TRUE(question.contains("Filen finns inte.")) << question.toStdString();
}

} // namespace
