#include "ControlDump.h"

#include "Button.h"
#include "CheckBox.h"
#include "ComboBox.h"
#include "ControlProps.h"
#include "Label.h"
#include "ListBox.h"
#include "ListView.h"
#include "Panel.h"
#include "TextBox.h"

#include <QJsonArray>

namespace script {
namespace {

template <class T> QJsonValue orNull(const std::optional<T>& v) {
    return v ? QJsonValue(static_cast<double>(*v)) : QJsonValue(QJsonValue::Null);
}

void addListBox(QJsonObject& o, const controls::ListBox& list) {
    QJsonArray entries;
    for (int i = 0; i < list.ListCount(); ++i)
        entries.append(QJsonObject{{QStringLiteral("text"), list.List(i)},
                                   {QStringLiteral("itemData"), static_cast<double>(list.ItemData(i))}});
    o.insert(QStringLiteral("entries"), entries);
    o.insert(QStringLiteral("listIndex"), list.ListIndex());
}

void addListView(QJsonObject& o, const controls::ListView& lvw) {
    QJsonArray rows;
    for (int r = 1; r <= lvw.RowCount(); ++r) {
        QJsonArray cells;
        for (int c = 0; c < lvw.columnCount(); ++c)
            cells.append(lvw.Cell(r, c));
        rows.append(cells);
    }
    QJsonArray columns;
    for (int c = 0; c < lvw.columnCount(); ++c)
        columns.append(QJsonObject{{QStringLiteral("header"), lvw.headerItem()->text(c)},
                                   {QStringLiteral("width"), lvw.columnWidthTwips(c)}});
    o.insert(QStringLiteral("rows"), rows);
    o.insert(QStringLiteral("selected"), lvw.SelectedRow());
    o.insert(QStringLiteral("columns"), columns);
}

void addKindProperties(QJsonObject& o, const QWidget* control) {
    if (auto* label = qobject_cast<const controls::Label*>(control))
        o.insert(QStringLiteral("caption"), label->caption());
    else if (auto* panel = qobject_cast<const controls::Panel*>(control))
        o.insert(QStringLiteral("caption"), panel->caption());
    else if (auto* button = qobject_cast<const controls::Button*>(control))
        o.insert(QStringLiteral("caption"), button->caption());
    else if (auto* check = qobject_cast<const controls::CheckBox*>(control))
        o.insert(QStringLiteral("checked"), check->isChecked());
    else if (auto* combo = qobject_cast<const controls::ComboBox*>(control)) {
        o.insert(QStringLiteral("text"), combo->Text());
        o.insert(QStringLiteral("entries"), QJsonArray::fromStringList(combo->entries()));
    } else if (auto* field = dynamic_cast<const controls::TextField*>(control))
        o.insert(QStringLiteral("text"), field->Text());
    else if (auto* list = qobject_cast<const controls::ListBox*>(control))
        addListBox(o, *list);
    else if (auto* lvw = qobject_cast<const controls::ListView*>(control))
        addListView(o, *lvw);
}

} // namespace

QJsonObject geometryOf(const QWidget* w) {
    const QRectF r = controls::twips(w);
    return QJsonObject{{QStringLiteral("left"), r.left()},
                       {QStringLiteral("top"), r.top()},
                       {QStringLiteral("width"), r.width()},
                       {QStringLiteral("height"), r.height()}};
}

QJsonObject controlDump(const QWidget* control) {
    QJsonObject o = geometryOf(control);
    o.insert(QStringLiteral("visible"), controls::ownVisible(control));
    o.insert(QStringLiteral("enabled"), !control->testAttribute(Qt::WA_ForceDisabled));
    o.insert(QStringLiteral("fontSize"), orNull(controls::fontSize(control)));
    o.insert(QStringLiteral("backColor"), orNull(controls::backColor(control)));
    o.insert(QStringLiteral("tag"), controls::tag(control));
    addKindProperties(o, control);
    return o;
}

} // namespace script
