#include "platform/core/MsgBox.h"

#include "platform/core/TextCodec.h"

#include <cstdio>

namespace {
MsgBoxHook& InstalledHook() {
    static MsgBoxHook hook;
    return hook;
}

MsgBoxHook& InstalledImplementation() {
    static MsgBoxHook implementation;
    return implementation;
}

MsgBoxResult DefaultAnswer(int style) {
    switch (style & msgbox::ButtonsMask) {
    case msgbox::YesNo:
    case msgbox::YesNoCancel:
        return MsgBoxResult::Yes;
    default:
        return MsgBoxResult::Ok;
    }
}
} // namespace

MsgBoxHook SetMsgBoxHook(MsgBoxHook hook) {
    MsgBoxHook previous = std::move(InstalledHook());
    InstalledHook() = std::move(hook);
    return previous;
}

void SetMsgBoxImplementation(MsgBoxHook implementation) {
    InstalledImplementation() = std::move(implementation);
}

MsgBoxResult MsgBox(const std::string& text, int style, const std::string& title) {
    const MsgBoxCall call{text, style, title};
    if (InstalledHook()) return InstalledHook()(call);
    if (InstalledImplementation()) return InstalledImplementation()(call);
    // Without a window system (the command-line generators) the message still reaches a person.
    std::fprintf(stderr, "%s: %s\n", Utf8FromCp1252(title).c_str(), Utf8FromCp1252(text).c_str());
    return DefaultAnswer(style);
}
