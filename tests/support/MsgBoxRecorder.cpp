#include "support/MsgBoxRecorder.h"

MsgBoxRecorder::MsgBoxRecorder() {
    previous_ = SetMsgBoxHook([this](const MsgBoxCall& call) {
        calls_.push_back(call);
        if (answers_.empty()) return MsgBoxResult::Ok;
        const MsgBoxResult answer = answers_.front();
        answers_.pop_front();
        return answer;
    });
}

MsgBoxRecorder::~MsgBoxRecorder() {
    SetMsgBoxHook(std::move(previous_));
}
