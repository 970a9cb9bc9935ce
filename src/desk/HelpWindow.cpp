#include "HelpWindow.h"

#include "InfoText.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget* desk) : QWidget(desk, Qt::Tool) {
    setObjectName(QStringLiteral("frmHjalp"));
    setWindowTitle(QStringLiteral("Hjälp / Info"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    auto* text = new QPlainTextEdit(deskInfoText(), this);
    text->setReadOnly(true);
    // Scrolled with the mouse only, so that typing always goes to the desk.
    text->setFocusPolicy(Qt::NoFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text);
}

void HelpWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (onClosed) onClosed();
}
