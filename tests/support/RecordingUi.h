#pragma once
// A stand-in for the windows: records what the engine shows and answers
// questions from a queue (Yes when the queue is empty).

#include <array>
#include <deque>
#include <string>
#include <vector>

#include "engine/CircuitState.h"
#include "engine/EngineUi.h"

namespace volvenza::test {

struct ShownMessage {
    std::string text;  // in Italian
    Message message;
    MessageIcon icon;
    MessageButtons buttons;
};

class RecordingUi : public EngineUi {
  public:
    bool windowLoaded = false;
    CircuitData boxes;                 // what the initial-data window shows
    std::array<bool, 7> unreadable{};  // boxes whose text is not a number
    int focusedBox = -1;
    std::vector<ShownMessage> messages;
    std::deque<MessageAnswer> answers;
    std::vector<int> codes;
    std::vector<double> progress;
    int progressShown = 0, progressClosed = 0, listChanges = 0;

    bool ReadInitialDataBoxes(CircuitData& data) override {
        if (!windowLoaded) return false;
        float CircuitData::*fields[] = {&CircuitData::V0,       &CircuitData::P0, &CircuitData::Tc,
                                        &CircuitData::Qp,       &CircuitData::Pm, &CircuitData::Dp,
                                        &CircuitData::CycleTime};
        for (size_t i = 0; i < 7; ++i)
            if (!unreadable[i]) data.*fields[i] = boxes.*fields[i];
        return true;
    }
    void WriteInitialDataBoxes(const CircuitData& data) override {
        windowLoaded = true;
        boxes = data;
        unreadable = {};
    }
    void FocusInitialDataBox(int box) override { focusedBox = box; }
    void ShowProgress() override { ++progressShown; }
    void SetProgress(double percent) override { progress.push_back(percent); }
    void CloseProgress() override { ++progressClosed; }
    MessageAnswer ShowMessage(const Message& message, MessageIcon icon, MessageButtons buttons,
                              const std::string&) override {
        messages.push_back({ItalianText(message), message, icon, buttons});
        if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
        if (answers.empty()) return MessageAnswer::Yes;
        MessageAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    void UpdateCommandState(int16_t code) override { codes.push_back(code); }
    void MovementListChanged() override { ++listChanges; }
};

// A fresh state whose windows are a RecordingUi: the fixture of the engine's tests.
struct RecordedState {
    RecordedState() { state.SetUi(ui); }
    RecordingUi ui;
    CircuitState state;
};

}  // namespace volvenza::test
