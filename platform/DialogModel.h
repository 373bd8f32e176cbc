#pragma once

// A dialog held in memory: the state of every control of a template, with no
// window. Dialog procedures written against DialogControls are tested with it
// without a display; typeText and clickRadio stand in for the user.

#include "platform/DialogControls.h"
#include "platform/DialogTemplate.h"

#include <optional>
#include <vector>

class DialogModel : public DialogControls {
  public:
    explicit DialogModel(const DialogTemplate& dialogTemplate);

    std::string text(int controlId) const override;
    void setText(int controlId, std::string_view text) override;
    void setTextLimit(int controlId, int characters) override;
    bool checked(int controlId) const override;
    void setChecked(int controlId, bool checked) override;
    int addString(int controlId, std::string_view text) override;
    int count(int controlId) const override;
    std::string itemText(int controlId, int index) const override;
    int selection(int controlId) const override;
    void select(int controlId, int index) override;
    void deleteString(int controlId, int index) override;
    void end(int result) override;

    // The user typing into an edit field: replaces its text, cut to the limit.
    void typeText(int controlId, std::string_view text);
    // The user clicking a radio button: checks it and unchecks the rest of its group.
    void clickRadio(int controlId);

    // The result given to end(), or nothing while the dialog is open.
    std::optional<int> result() const { return result_; }

  private:
    struct Control {
        DialogControl definition;
        std::string text;
        int limit = -1; // -1: no limit
        bool checked = false;
        std::vector<std::string> lines;
        int selection = -1;
        int radioGroup = -1;
    };
    Control* find(int controlId);
    const Control* find(int controlId) const;
    Control* findList(int controlId);
    const Control* findList(int controlId) const;

    std::vector<Control> controls_;
    std::optional<int> result_;
};

// Numbers the groups of radio buttons of a template, one entry per control:
// -1 for other controls; a group starts at a radio button with the `group` flag
// or at the first radio button after any other control.
std::vector<int> radioGroups(const DialogTemplate& dialogTemplate);
