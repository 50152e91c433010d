#pragma once

#include "platform/core/MsgBox.h"

#include <deque>
#include <string>
#include <vector>

// Answers every message box while it lives and records what was shown.
class MsgBoxRecorder {
  public:
    MsgBoxRecorder() {
        previous_ = SetMsgBoxHook([this](const MsgBoxCall& call) {
            calls_.push_back(call);
            const MsgBoxResult answer = answers_.empty() ? MsgBoxResult::Ok : answers_.front();
            if (!answers_.empty()) answers_.pop_front();
            return answer;
        });
    }
    ~MsgBoxRecorder() { SetMsgBoxHook(std::move(previous_)); }
    MsgBoxRecorder(const MsgBoxRecorder&) = delete;
    MsgBoxRecorder& operator=(const MsgBoxRecorder&) = delete;

    // Answers given in turn; when none is left the box is answered with OK.
    void QueueAnswer(MsgBoxResult answer) { answers_.push_back(answer); }

    const std::vector<MsgBoxCall>& Calls() const { return calls_; }
    // The texts shown, in turn.
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const MsgBoxCall& call : calls_)
            texts.push_back(call.text);
        return texts;
    }
    // The texts shown since the last call, which forgets them; queued answers stay.
    std::vector<std::string> TakeTexts() {
        std::vector<std::string> texts = Texts();
        calls_.clear();
        return texts;
    }

  private:
    std::vector<MsgBoxCall> calls_;
    std::deque<MsgBoxResult> answers_;
    MsgBoxHook previous_;
};
