#pragma once

#include "hiscore/Submission.h"
#include "platform/DialogControls.h"
#include "platform/DialogTemplate.h"

#include <cstdint>
#include <optional>
#include <string>

// Ids of the controls of the high-score template.
namespace SubmissionControl {
constexpr int Name = 1000;
constexpr int Email = 1001;
constexpr int Score = 1002;
constexpr int Ok = 1003;
constexpr int Cancel = 1004;
} // namespace SubmissionControl

// The dialog procedure of the high-score dialog, written against the controls
// of any dialog built from its template (the FLTK window, or a model in tests).
// OK runs the submission and closes the dialog with 0 once the address was
// handed over; Cancel closes it with 0; every other command, Escape and the
// close box included, is ignored.
class SubmissionDialog {
  public:
    SubmissionDialog(DialogControls& controls, std::int32_t highScore, std::string baseAddress,
                     AddressOpener open);

    // "SCORE: n" and the field limits. The keyboard focus is left where the
    // toolkit puts it.
    void initialise();
    void onCommand(int controlId);

  private:
    void submit();

    DialogControls& controls;
    std::int32_t highScore;
    std::string baseAddress;
    AddressOpener open;
};

// Template 101 as embedded in the program, read and checked, with its caption
// replaced by `caption`. Empty, after telling the user why, when the embedded
// text is not a valid template.
std::optional<DialogTemplate> highScoreTemplate(const std::string& caption);
