#include "Form.h"

#include <QResizeEvent>
#include <algorithm>
#include <optional>

#include "Button.h"
#include "ControlProps.h"
#include "ListBox.h"
#include "ListView.h"
#include "TextBox.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPointer>

namespace controls {
namespace {

QPointer<QWidget>& focused() {
    static QPointer<QWidget> current;
    return current;
}

constexpr int Backspace = 8;
constexpr int Enter = 13;
constexpr int Escape = 27;

// The character code a key press stands for, or 0 for keys that type nothing (arrows, Tab, shortcuts).
int charCode(const QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        return Escape;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Enter;
    case Qt::Key_Backspace:
        return Backspace;
    default:
        break;
    }
    if (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return 0;
    const QString text = event->text();
    if (text.size() != 1 || text[0].unicode() < 32) return 0;
    return text[0].unicode();
}

} // namespace

Form::Form(QWidget* parent) : QWidget(parent) {}

void Form::registerControl(const QString& name, QWidget* control) {
    control->setObjectName(name);
    controls_.emplace_back(name, control);
    byName_[name] = control;
    control->installEventFilter(this);
}

QWidget* Form::control(const QString& name) const {
    const auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : it->second;
}

void Form::scaleDesign(double k) {
    const QRectF w = twips(this);
    setWindowTwips(w.left() * k, w.top() * k, w.width() * k, w.height() * k);
    // Font sizes are read before any is changed: a control without a font of its own takes its
    // container's, which must not be scaled twice.
    std::vector<std::optional<double>> designSizes;
    for (const auto& [name, control] : controls_)
        designSizes.push_back(fontSize(control));
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        QWidget* c = controls_[i].second;
        const QRectF r = twips(c);
        setTwips(c, r.left() * k, r.top() * k, r.width() * k, r.height() * k);
        if (designSizes[i]) setFontSize(c, *designSizes[i] * k);
        if (auto* list = qobject_cast<ListView*>(c))
            for (int col = 0; col < list->columnCount(); ++col)
                list->setColumnWidthTwips(col, list->columnWidthTwips(col) * k);
    }
}

void Form::keepLayoutAsBase() {
    layoutBase_.clear();
    for (const auto& [name, control] : controls_) {
        Placed p{control, control->geometry(), control->font().pointSizeF(), {}};
        if (auto* list = qobject_cast<ListView*>(control))
            for (int c = 0; c < list->columnCount(); ++c)
                p.columnWidths.push_back(list->columnWidthTwips(c));
        layoutBase_.push_back(std::move(p));
    }
    baseSize_ = size();
    scaled_ = QSizeF(1.0, 1.0);
}

void Form::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (baseSize_.isEmpty()) return;
    const QSizeF f(double(width()) / baseSize_.width(), double(height()) / baseSize_.height());
    if (f == scaled_) return;
    scaled_ = f;
    const double fontFactor = std::min(f.width(), f.height());
    for (const Placed& p : layoutBase_) {
        const QRect& g = p.geometry;
        p.control->setGeometry(qRound(g.x() * f.width()), qRound(g.y() * f.height()),
                               qRound(g.width() * f.width()), qRound(g.height() * f.height()));
        if (p.pointSize > 0) {
            QFont font = p.control->font();
            font.setPointSizeF(p.pointSize * fontFactor);
            p.control->setFont(font);
        }
        if (auto* list = qobject_cast<ListView*>(p.control))
            for (int c = 0; c < std::min(list->columnCount(), int(p.columnWidths.size())); ++c)
                list->setColumnWidthTwips(c, p.columnWidths[c] * f.width());
    }
}

void Form::setWindowTwips(double left, double top, double width, double height) {
    setTwips(this, left, top, width, height);
}

int Form::routeKey(QWidget* target, int code) {
    if (code == Escape && cancelButton && isUsable(cancelButton)) {
        if (cancelButton->onClick) cancelButton->onClick();
        return 0;
    }
    if (keyPreview) code = keyPreview(code);
    if (code == 0) return 0;
    if (auto* field = dynamic_cast<TextField*>(target); field && field->onKeyPress)
        code = field->onKeyPress(code);
    return code;
}

void Form::typeChar(QWidget* target, int code) {
    const int delivered = routeKey(target, code);
    if (delivered == 0) return;
    if (auto* field = dynamic_cast<TextField*>(target)) field->receiveChar(delivered);
}

void Form::setFocusHandlers(QWidget* control, std::function<void()> got, std::function<void()> lost) {
    focusHandlers_[control] = FocusHandlers{std::move(got), std::move(lost)};
}

bool Form::setFocusTo(QWidget* control) {
    if (!control || !isUsable(control)) return false;
    noteFocus(control);
    control->setFocus(Qt::OtherFocusReason);
    return true;
}

QWidget* Form::focusedControl() {
    return focused().data();
}

void Form::runLostFocus(QWidget* control) {
    const auto it = focusHandlers_.find(control);
    if (it != focusHandlers_.end() && it->second.lost) it->second.lost();
}

void Form::runGotFocus(QWidget* control) {
    const auto it = focusHandlers_.find(control);
    if (it != focusHandlers_.end() && it->second.got) it->second.got();
}

void Form::noteFocus(QWidget* control) {
    QPointer<QWidget>& current = focused();
    if (current == control) return;
    QPointer<QWidget> old = current;
    current = control;
    if (old)
        if (auto* oldForm = qobject_cast<Form*>(old->window())) oldForm->runLostFocus(old);
    runGotFocus(control);
}

bool Form::filterKey(QWidget* control, QKeyEvent* event) {
    const int code = charCode(event);
    if (code == 0) return false;
    const int delivered = routeKey(control, code);
    if (delivered == code) return false;
    if (delivered != 0) {
        if (auto* line = qobject_cast<QLineEdit*>(control))
            line->insert(QString(QChar(delivered)));
        else if (auto* field = dynamic_cast<TextField*>(control))
            field->receiveChar(delivered);
    }
    return true;
}

bool Form::eventFilter(QObject* watched, QEvent* event) {
    auto* control = qobject_cast<QWidget*>(watched);
    if (!control || byName_.find(control->objectName()) == byName_.end())
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn) noteFocus(control);
    if (event->type() == QEvent::KeyPress) return filterKey(control, static_cast<QKeyEvent*>(event));
    return QWidget::eventFilter(watched, event);
}

void Form::closeEvent(QCloseEvent* event) {
    if (onUnload) onUnload();
    event->accept();
}

} // namespace controls
