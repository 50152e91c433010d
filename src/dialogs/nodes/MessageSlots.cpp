#include "dialogs/nodes/MessageSlots.h"

MessageFamily MessageFamilyOf(std::int32_t family) {
    switch (family) {
    case 1:
        return {1, 10, 89};
    case 2:
        return {2, 20, 149};
    default:
        return {0, 160, 99};
    }
}

bool IsMessageOfFamily(const MessageFamily& family, std::int32_t message) {
    return message >= 0 && message <= family.LastMessage;
}

std::string& MessageText(Scenario& scen, const MessageFamily& family, std::int32_t message) {
    if (!IsMessageOfFamily(family, message)) RaiseError(err::SubscriptOutOfRange);
    const auto index = static_cast<std::size_t>(family.Base + message);
    switch (family.Family) {
    case 1:
        return scen.OutdoorSections.At(scen.CurrentOutdoorX, scen.CurrentOutdoorY).Strings[index];
    case 2:
        if (scen.CurrentTown >= scen.Towns.size()) RaiseError(err::SubscriptOutOfRange);
        return scen.Towns[scen.CurrentTown].Strings[index];
    default:
        return scen.ScenStrings[index];
    }
}

bool IsFreeMessageText(const std::string& text) {
    return !text.empty() && text[0] == '*';
}

std::int16_t FirstFreeMessage(Scenario& scen, const MessageFamily& family, std::int32_t from) {
    for (std::int32_t m = std::max<std::int32_t>(from, 0); m <= family.LastMessage; ++m)
        if (IsFreeMessageText(MessageText(scen, family, m))) return static_cast<std::int16_t>(m);
    return -1;
}

std::int16_t FirstFreeMessageRun(Scenario& scen, const MessageFamily& family, int count) {
    int run = 0;
    for (std::int32_t m = 0; m <= family.LastMessage; ++m) {
        run = IsFreeMessageText(MessageText(scen, family, m)) ? run + 1 : 0;
        if (run == count) return static_cast<std::int16_t>(m - count + 1);
    }
    return -1;
}

DialogBlockCheck CheckDialogBlock(const MessageFamily& family, std::int16_t first) {
    if (!IsMessageOfFamily(family, first)) return DialogBlockCheck::OutOfRange;
    if (first + kDialogLineCount - 1 > family.LastMessage) return DialogBlockCheck::NotEnoughRoom;
    return DialogBlockCheck::Editable;
}

TwoMessages FindTwoMessages(Scenario& scen, const MessageFamily& family, std::int16_t mess0,
                            std::int16_t mess1) {
    TwoMessages found;
    found.Number[0] = mess0;
    found.Number[1] = mess1;
    found.PassedIn[0] = mess0 >= 0;
    found.PassedIn[1] = mess1 >= 0;
    if (mess0 < 0) found.Number[0] = FirstFreeMessage(scen, family, 0);
    if (mess1 < 0) {
        // Only the first message's own place in the table can be a starting point: one
        // beyond the family has no messages above it.
        found.Number[1] = IsMessageOfFamily(family, found.Number[0])
                              ? FirstFreeMessage(scen, family, found.Number[0] + 1)
                              : std::int16_t{-1};
    }
    return found;
}
