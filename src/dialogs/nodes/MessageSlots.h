#pragma once

#include "scenario/Scenario.h"

#include <cstdint>
#include <string>

// The message texts of special nodes. Message m of a node is string base + m of its family's
// table; a slot whose text begins with "*" is free for a new message.

struct MessageFamily {
    std::int32_t Family = 0;
    std::int16_t Base = 0;        // the string of message 0
    std::int16_t LastMessage = 0; // the largest message number
};

// The message table of a node family (0 scenario, 1 outdoor section, 2 town).
MessageFamily MessageFamilyOf(std::int32_t family);
bool IsMessageOfFamily(const MessageFamily& family, std::int32_t message);

// The text of message m; raises the subscript error for a message outside the family.
std::string& MessageText(Scenario& scen, const MessageFamily& family, std::int32_t message);

bool IsFreeMessageText(const std::string& text);

// The first free message from `from` upward; -1 when there is none.
std::int16_t FirstFreeMessage(Scenario& scen, const MessageFamily& family, std::int32_t from);

// The first message of the lowest run of `count` free messages; -1 when there is none.
std::int16_t FirstFreeMessageRun(Scenario& scen, const MessageFamily& family, int count);

// The longest text a message slot holds.
constexpr int kMaxMessageLength = 255;

// The six lines of a dialog-box node: where the block lies, or why it cannot be edited.
enum class DialogBlockCheck { Editable, OutOfRange, NotEnoughRoom };
constexpr int kDialogLineCount = 6;
DialogBlockCheck CheckDialogBlock(const MessageFamily& family, std::int16_t first);

// The two messages of an ordinary node, after the free-slot search for those without a
// number. A second message is only searched for above the first, and not at all when the first
// has none.
struct TwoMessages {
    std::int16_t Number[2] = {-1, -1};
    bool PassedIn[2] = {false, false};
};
TwoMessages FindTwoMessages(Scenario& scen, const MessageFamily& family, std::int16_t mess0,
                            std::int16_t mess1);
