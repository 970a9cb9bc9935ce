#include "QtDialogs.h"

#include "DialogTitle.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <vector>

namespace platform {

namespace {

struct BoxButton {
    Answer answer;
    QMessageBox::StandardButton standard;
    QString label;
};

// In the order shown; the last one is what Esc or closing the box answers, as on Windows.
std::vector<BoxButton> boxButtons(Buttons buttons) {
    switch (buttons) {
    case Buttons::OKCancel:
        return {{Answer::OK, QMessageBox::Ok, QStringLiteral("OK")},
                {Answer::Cancel, QMessageBox::Cancel, QStringLiteral("Avbryt")}};
    case Buttons::YesNo:
        return {{Answer::Yes, QMessageBox::Yes, QStringLiteral("&Ja")},
                {Answer::No, QMessageBox::No, QStringLiteral("&Nej")}};
    case Buttons::OK:
        break;
    }
    return {{Answer::OK, QMessageBox::Ok, QStringLiteral("OK")}};
}

QMessageBox::Icon qtIcon(Icon icon) {
    switch (icon) {
    case Icon::Critical:
        return QMessageBox::Critical;
    case Icon::Exclamation:
        return QMessageBox::Warning;
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

Answer QtDialogs::messageBox(const MessageBoxRequest& request) {
    QString text = request.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(qtIcon(request.icon), shownTitle(request), text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    // The desk's texts are plain: "Tryck <Enter>" must not be read as markup.
    box.setTextFormat(Qt::PlainText);

    const std::vector<BoxButton> choices = boxButtons(request.buttons);
    for (const BoxButton& choice : choices) {
        QPushButton* button = box.addButton(choice.standard);
        button->setText(choice.label);
        if (choice.answer == request.defaultButton) box.setDefaultButton(button);
    }
    box.setEscapeButton(box.button(choices.back().standard));
    box.exec();

    for (const BoxButton& choice : choices) {
        if (box.clickedButton() == box.button(choice.standard)) return choice.answer;
    }
    return choices.back().answer;
}

void QtDialogs::beep() {
    QApplication::beep();
}

} // namespace platform
