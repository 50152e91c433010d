#pragma once

#include "scenario/GameLayout.h"
#include "scenario/tables/CommonTables.h"
#include "scenario/tables/EditorTables.h"
#include "support/ErrorOf.h"
#include "support/GameLayoutBuilder.h"
#include "support/GameRecordLiteral.h"
#include "support/Ints.h"
#include "support/RecordColumns.h"

#include <gtest/gtest.h>

// The readers' tests run in both byte orders; the parameter says big-endian.
class GameLayoutTest : public ::testing::TestWithParam<bool> {
  protected:
    void SetUp() override {
        InitCommonTables();
        InitScenEditorTables();
    }
    bool Big() const { return GetParam(); }
    int Format() const { return Big() ? 1 : 0; }
    GameLayoutBuilder Builder(const std::vector<int>& townSizes = {2}) const {
        return GameLayoutBuilder(Big(), 1, 1, townSizes);
    }
    Scenario Read(std::span<const std::uint8_t> image) {
        Scenario s;
        ReadScenarioImageV1(s, image, Format(), towns);
        return s;
    }
    Scenario Read(const GameLayoutBuilder& b) { return Read(b.Build()); }
    int ReadError(std::span<const std::uint8_t> image) {
        return ErrorOf([&] { Read(image); });
    }
    int ReadError(const GameLayoutBuilder& b) { return ReadError(b.Build()); }

    GameTownTables towns;
};

#define INSTANTIATE_BYTE_ORDERS(Suite)                                                             \
    INSTANTIATE_TEST_SUITE_P(ByteOrders, Suite, ::testing::Bool(), [](const auto& info) {          \
        return info.param ? "BigEndian" : "LittleEndian";                                          \
    })
