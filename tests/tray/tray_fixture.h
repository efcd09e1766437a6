#pragma once
// A Tray on the simulated shell and a headless site, as a running host holds it.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "forms/property_bag.h"
#include "forms/sim/sim_user_control_site.h"
#include "platform/sim/effect_log.h"
#include "platform/sim/sim_shell.h"
#include "tests/tray/test_codec.h"
#include "tray/tray.h"

namespace brenvik::testing {

// What the control notified and what it sent the shell, in order.
using Changes = std::vector<std::u16string>;
using Sent = std::vector<std::uint32_t>;

// Offsets of the record's fields.
constexpr int kCbSize = 0;
constexpr int kHWnd = 4;
constexpr int kUId = 8;
constexpr int kUFlags = 12;
constexpr int kUCallbackMessage = 16;
constexpr int kHIcon = 20;
constexpr int kSzTip = 24;

class TrayTest : public ::testing::Test {
protected:
    TrayTest() { site.Attach(tray); }

    // The control made from stored properties, as every run-time start makes it.
    void Load(std::vector<forms::StoredProperty> stored = {}) {
        forms::MemoryPropertyBag bag(std::move(stored));
        tray.LoadProperties(bag);
    }

    std::vector<std::uint32_t> Messages() const {
        std::vector<std::uint32_t> messages;
        for (const auto& call : shell.Calls()) messages.push_back(call.message);
        return messages;
    }
    const sim::ShellCall& LastCall() const { return shell.Calls().back(); }
    static std::string Tip(const sim::ShellCall& call) {
        return std::string(call.record.begin() + kSzTip, call.record.end());
    }
    // The 64 bytes of szTip for a text that fits: the text, its NUL, then spaces.
    static std::string TipField(const std::string& text) {
        return text + '\0' + std::string(63 - text.size(), ' ');
    }

    sim::EffectLog effects;
    sim::SimShell shell{effects};
    DoubleByteEncoder codec;
    sim::SimUserControlSite site;
    Tray tray{shell, codec, site};
};

}  // namespace brenvik::testing
