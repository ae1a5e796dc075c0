#pragma once
// The few places where the engine touches the user interface: the seven
// initial-data boxes, the progress window of a run, modal messages, the
// command-state notification and the news that the movement list was
// replaced. The shell implements this over real windows; headless use gets
// NullEngineUi. The windows over the movement list also pass each other
// their edits through it.

#include <cstdint>
#include <string>

#include "engine/CircuitData.h"
#include "gas/Message.h"

namespace volvenza {

enum class MessageIcon { None, Information, Exclamation, Critical, Question };
enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageAnswer { Ok, Cancel, Yes, No };

inline constexpr const char* kProgramTitle = "Volvenza";

// What a window did to the movement list: `count` slots from `first` on were
// edited in place, inserted at `first` (the later movements moved down), or
// removed from `first` (the later ones moved up).
struct MovementEdit {
    enum class Change { Edited, Inserted, Removed };
    Change change = Change::Edited;
    int16_t first = 0;
    int16_t count = 1;
    // Typing goes on in the same box: the history keeps it as one step.
    bool continues = false;
};

class EngineUi {
  public:
    virtual ~EngineUi() = default;

    // When the initial-data window is loaded (shown or hidden), converts its
    // seven boxes TV0..TTT into `data` and returns true; a box that does not
    // hold a number leaves its field as it was. Returns false, touching
    // nothing, when the window does not exist.
    virtual bool ReadInitialDataBoxes(CircuitData& data) = 0;
    // Writes the seven values into the boxes in box form, loading the window
    // hidden when it does not exist.
    virtual void WriteInitialDataBoxes(const CircuitData& data) = 0;
    // Shows the loaded initial-data window and gives box `box` (0 = TV0 ..
    // 6 = TTT, the order of CircuitData) the focus with its text selected.
    virtual void FocusInitialDataBox(int box) = 0;

    virtual void ShowProgress() = 0;
    virtual void SetProgress(double percent) = 0;
    virtual void CloseProgress() = 0;

    virtual MessageAnswer ShowMessage(const Message& message, MessageIcon icon,
                                      MessageButtons buttons,
                                      const std::string& title = kProgramTitle) = 0;

    virtual void UpdateCommandState(int16_t code) = 0;

    // The movement list was replaced as a whole (example, file, reset): the
    // open windows over it must show the list as it now stands.
    virtual void MovementListChanged() = 0;

    // A window edited, added or removed movements: the other windows over
    // the list follow. The engine itself never sends this.
    virtual void MovementsEdited(const MovementEdit&) {}
};

// No windows: boxes are skipped, no progress is shown, and questions get a
// fixed answer (Yes / OK unless told otherwise).
class NullEngineUi : public EngineUi {
  public:
    explicit NullEngineUi(MessageAnswer yesNoAnswer = MessageAnswer::Yes)
        : yesNoAnswer_(yesNoAnswer) {}

    bool ReadInitialDataBoxes(CircuitData&) override { return false; }
    void WriteInitialDataBoxes(const CircuitData&) override {}
    void FocusInitialDataBox(int) override {}
    void ShowProgress() override {}
    void SetProgress(double) override {}
    void CloseProgress() override {}
    MessageAnswer ShowMessage(const Message&, MessageIcon, MessageButtons buttons,
                              const std::string&) override {
        switch (buttons) {
            case MessageButtons::YesNo:
                return yesNoAnswer_;
            case MessageButtons::OkCancel:
            case MessageButtons::Ok:
                break;
        }
        return MessageAnswer::Ok;
    }
    void UpdateCommandState(int16_t) override {}
    void MovementListChanged() override {}

  private:
    MessageAnswer yesNoAnswer_;
};

}  // namespace volvenza
