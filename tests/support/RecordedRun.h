#pragma once
// A run as the windows take it, with no window: the messages and questions
// recorded in the order they would be shown, each question answered from a
// queue (Yes when it is empty) and the run started again with the answer.

#include <deque>
#include <string>
#include <vector>

#include "engine/Simulation.h"

namespace volvenza::test {

struct ShownMessage {
    std::string text;  // in Italian
    Message message;
    MessageIcon icon;
    MessageButtons buttons;
};

struct RunRecorder {
    std::vector<ShownMessage> messages;
    std::deque<MessageAnswer> answers;
    std::vector<double> progress;

    RunOutcome Run(CircuitState& state) {
        RunAnswers given;
        for (;;) {
            const RunReport report = RunSimulation(
                state, given, [this](double percent) { progress.push_back(percent); });
            for (const Notice& notice : report.notices) {
                messages.push_back(
                    {ItalianText(notice.message), notice.message, notice.icon, MessageButtons::Ok});
            }
            if (!report.question) return report.outcome;
            const Message& asked = report.question->message;
            messages.push_back(
                {ItalianText(asked), asked, MessageIcon::Exclamation, MessageButtons::YesNo});
            const MessageAnswer answer = answers.empty() ? MessageAnswer::Yes : answers.front();
            if (!answers.empty()) answers.pop_front();
            given.zeroTimes[report.question->movement] = answer == MessageAnswer::Yes;
        }
    }
};

// A fresh state with a recorder of what its runs would show: the fixture of
// the engine's tests.
struct RecordedState {
    RunRecorder shown;
    CircuitState state;
    RunOutcome RecordedRun() { return shown.Run(state); }
};

}  // namespace volvenza::test
