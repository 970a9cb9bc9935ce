#pragma once
// A window of the desk: its controls collection (each control registered under its name, also its
// objectName), its geometry in twips, the routing of typed characters through the window's and the
// control's key handlers, and the tracking of the input focus with got-focus and lost-focus handlers.
#include <QString>
#include <QWidget>
#include <functional>
#include <unordered_map>
#include <utility>
#include <vector>

namespace controls {

class Button;

class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(QWidget* parent = nullptr);

    // Creates a control of type T under the given container and registers it under name.
    template <class T, class... Args> T* add(const QString& name, QWidget* container, Args&&... args) {
        T* c = new T(std::forward<Args>(args)..., container);
        registerControl(name, c);
        return c;
    }
    void registerControl(const QString& name, QWidget* control);
    QWidget* control(const QString& name) const;
    int controlCount() const { return static_cast<int>(controls_.size()); }
    QWidget* controlAt(int i) const { return controls_.at(i).second; }
    const QString& controlName(int i) const { return controls_.at(i).first; }

    void setWindowTwips(double left, double top, double width, double height);

    // The window sees every typed character first (KeyPreview), then the control's own handler. Esc
    // presses the cancel button while it can be pressed. Returns the character that reaches the
    // control, 0 when discarded.
    std::function<int(int)> keyPreview;
    Button* cancelButton = nullptr;
    int routeKey(QWidget* target, int code);
    // A character typed by a person into target: routed, then given to the control.
    void typeChar(QWidget* target, int code);

    void setFocusHandlers(QWidget* control, std::function<void()> got, std::function<void()> lost);
    // Moves the input focus to the control when a person could reach it; the lost-focus handler of
    // the control that had it and the got-focus handler of the new one run. False when it cannot.
    bool setFocusTo(QWidget* control);
    // The control holding the input focus, in any window, or null.
    static QWidget* focusedControl();

    // Runs when a person closes the window.
    std::function<void()> onUnload;

    // Scales the window laid out at design size to a larger screen: the window, every control's place
    // and size, its own font and a list view's columns, all by the same factor.
    void scaleDesign(double factor);

    // The window as laid out now is the base it grows and shrinks from: when a person resizes the
    // window, every control keeps its place and size in proportion to the base across and down, so
    // lists take the extra room; fonts and list columns follow the smaller and the across factor.
    void keepLayoutAsBase();
    // Until the next keepLayoutAsBase a resize leaves the controls alone (while the design is set anew).
    void forgetLayoutBase() { baseSize_ = QSize(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct FocusHandlers {
        std::function<void()> got;
        std::function<void()> lost;
    };
    void noteFocus(QWidget* control);
    bool filterKey(QWidget* control, QKeyEvent* event);
    void runLostFocus(QWidget* control);
    void runGotFocus(QWidget* control);

    struct Placed {
        QWidget* control;
        QRect geometry;
        qreal pointSize;
        std::vector<double> columnWidths; // a list view's columns, in twips
    };
    std::vector<Placed> layoutBase_;
    QSize baseSize_;
    QSizeF scaled_{1.0, 1.0};

    std::vector<std::pair<QString, QWidget*>> controls_;
    std::unordered_map<QString, QWidget*> byName_;
    std::unordered_map<QWidget*, FocusHandlers> focusHandlers_;
};

} // namespace controls
