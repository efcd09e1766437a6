#pragma once
// The intrinsic controls as plain state. Changes a user would see are recorded as
// "<name>.<property> <value>" in the effect log.
#include <functional>
#include <string>

#include "forms/forms.h"
#include "platform/sim/effect_log.h"

namespace brenvik::sim {

std::string Narrow(const std::u16string& text);  // for the log: UTF-8

class SimTextBox final : public forms::TextBox {
public:
    explicit SimTextBox(std::u16string text) : text_(std::move(text)) {}
    const std::u16string& Text() const override { return text_; }
    void SetText(const std::u16string& text) override { text_ = text; }

private:
    std::u16string text_;
};

// A control whose caption changes are recorded.
template <typename Control>
class SimCaptioned : public Control {
public:
    SimCaptioned(EffectLog& effects, std::string name, std::u16string caption)
        : effects_(effects), name_(std::move(name)), caption_(std::move(caption)) {}
    std::u16string Caption() const override { return caption_; }
    void SetCaption(const std::u16string& caption) override {
        caption_ = caption;
        effects_.Record(name_ + ".Caption " + Narrow(caption));
    }

private:
    EffectLog& effects_;
    std::string name_;
    std::u16string caption_;
};

using SimLabel = SimCaptioned<forms::Label>;

class SimButton final : public SimCaptioned<forms::CommandButton> {
public:
    using SimCaptioned::SimCaptioned;
    void OnClick(std::function<void()> handler) override { click_ = std::move(handler); }
    void Click() {
        if (click_) click_();
    }

private:
    std::function<void()> click_;
};

class SimCheckBox final : public forms::CheckBox {
public:
    explicit SimCheckBox(int value) : value_(value) {}
    int Value() const override { return value_; }
    void SetValue(int value) override { value_ = value; }

private:
    int value_;
};

class SimTimer final : public forms::Timer {
public:
    SimTimer(EffectLog& effects, std::string name, std::int32_t interval, bool enabled)
        : effects_(effects), name_(std::move(name)), interval_(interval), enabled_(enabled) {}
    std::int32_t Interval() const override { return interval_; }
    void SetInterval(std::int32_t milliseconds) override {
        interval_ = milliseconds;
        effects_.Record(name_ + ".Interval " + std::to_string(milliseconds));
    }
    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool enabled) override {
        enabled_ = enabled;
        effects_.Record(name_ + ".Enabled " + (enabled ? "true" : "false"));
    }
    void OnTimer(std::function<void()> handler) override { tick_ = std::move(handler); }
    // One elapsed interval: a tick when the timer is enabled with a positive interval.
    bool Elapse() {
        if (!enabled_ || interval_ <= 0 || !tick_) return false;
        tick_();
        return true;
    }

private:
    EffectLog& effects_;
    std::string name_;
    std::int32_t interval_;
    bool enabled_;
    std::function<void()> tick_;
};

}  // namespace brenvik::sim
