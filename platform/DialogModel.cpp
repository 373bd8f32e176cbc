#include "platform/DialogModel.h"

#include <algorithm>
#include <cctype>
#include <utility>

bool listOrderBefore(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) <
               std::tolower(static_cast<unsigned char>(y));
    });
}

std::vector<int> radioGroups(const DialogTemplate& dialogTemplate) {
    std::vector<int> groups;
    int group = -1;
    bool previousWasRadio = false;
    for (const DialogControl& control : dialogTemplate.controls) {
        bool isRadio = control.kind == ControlKind::Radio;
        if (isRadio && (!previousWasRadio || control.has(ControlStyle::Group)))
            ++group;
        groups.push_back(isRadio ? group : -1);
        previousWasRadio = isRadio;
    }
    return groups;
}

DialogModel::DialogModel(const DialogTemplate& dialogTemplate) {
    std::vector<int> groups = radioGroups(dialogTemplate);
    for (std::size_t i = 0; i < dialogTemplate.controls.size(); ++i) {
        Control control;
        control.definition = dialogTemplate.controls[i];
        if (control.definition.kind != ControlKind::Edit &&
            control.definition.kind != ControlKind::ListBox)
            control.text = control.definition.text;
        control.radioGroup = groups[i];
        controls_.push_back(std::move(control));
    }
}

DialogModel::Control* DialogModel::find(int controlId) {
    return const_cast<Control*>(std::as_const(*this).find(controlId));
}

const DialogModel::Control* DialogModel::find(int controlId) const {
    if (controlId == NoControlId)
        return nullptr;
    for (const Control& control : controls_)
        if (control.definition.id == controlId)
            return &control;
    return nullptr;
}

DialogModel::Control* DialogModel::findList(int controlId) {
    return const_cast<Control*>(std::as_const(*this).findList(controlId));
}

const DialogModel::Control* DialogModel::findList(int controlId) const {
    const Control* control = find(controlId);
    return control && control->definition.kind == ControlKind::ListBox ? control : nullptr;
}

std::string DialogModel::text(int controlId) const {
    const Control* control = find(controlId);
    return control ? control->text : std::string();
}

void DialogModel::setText(int controlId, std::string_view text) {
    Control* control = find(controlId);
    if (control && control->definition.kind != ControlKind::ListBox)
        control->text = text;
}

void DialogModel::setTextLimit(int controlId, int characters) {
    Control* control = find(controlId);
    if (control && control->definition.kind == ControlKind::Edit)
        control->limit = std::max(0, characters);
}

bool DialogModel::checked(int controlId) const {
    const Control* control = find(controlId);
    return control && control->definition.kind == ControlKind::Radio && control->checked;
}

void DialogModel::setChecked(int controlId, bool checked) {
    Control* control = find(controlId);
    if (control && control->definition.kind == ControlKind::Radio)
        control->checked = checked;
}

int DialogModel::addString(int controlId, std::string_view text) {
    Control* list = findList(controlId);
    if (!list)
        return -1;
    auto& lines = list->lines;
    int index = static_cast<int>(lines.size());
    if (list->definition.has(ControlStyle::Sort))
        index = sortedInsertIndex(
            index, [&](int i) -> const std::string& { return lines[i]; }, text);
    lines.insert(lines.begin() + index, std::string(text));
    if (list->selection >= index)
        ++list->selection; // the selected line moved down with the insertion
    return index;
}

int DialogModel::count(int controlId) const {
    const Control* list = findList(controlId);
    return list ? static_cast<int>(list->lines.size()) : 0;
}

std::string DialogModel::itemText(int controlId, int index) const {
    const Control* list = findList(controlId);
    if (!list || index < 0 || index >= static_cast<int>(list->lines.size()))
        return {};
    return list->lines[index];
}

int DialogModel::selection(int controlId) const {
    const Control* list = findList(controlId);
    return list ? list->selection : -1;
}

void DialogModel::select(int controlId, int index) {
    Control* list = findList(controlId);
    if (!list)
        return;
    bool inRange = index >= 0 && index < static_cast<int>(list->lines.size());
    list->selection = inRange ? index : -1;
}

void DialogModel::deleteString(int controlId, int index) {
    Control* list = findList(controlId);
    if (!list || index < 0 || index >= static_cast<int>(list->lines.size()))
        return;
    list->lines.erase(list->lines.begin() + index);
    list->selection = -1;
}

void DialogModel::end(int result) {
    result_ = result;
}

void DialogModel::typeText(int controlId, std::string_view text) {
    Control* control = find(controlId);
    if (!control || control->definition.kind != ControlKind::Edit)
        return;
    if (control->limit >= 0 && text.size() > static_cast<std::size_t>(control->limit))
        text = text.substr(0, control->limit);
    control->text = text;
}

void DialogModel::clickRadio(int controlId) {
    Control* clicked = find(controlId);
    if (!clicked || clicked->definition.kind != ControlKind::Radio)
        return;
    for (Control& control : controls_)
        if (control.radioGroup == clicked->radioGroup)
            control.checked = &control == clicked;
}
