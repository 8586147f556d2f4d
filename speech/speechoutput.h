// The five speech operations every part of the machine speaks through.
//
// Texts are Windows-1250 bytes. The engines behind them (the voice engine
// path and the system voice path) implement this interface; until a voice
// is set up, NoSpeech stands in, which is also what a machine without any
// speech engine gets.
#pragma once

#include <string>

namespace ulvora {

class SpeechOutput {
  public:
    virtual ~SpeechOutput() = default;

    // Speaks the text and returns when it has been spoken (or cut off).
    virtual void speakandwait(const std::string& text) = 0;
    // Hands the text over and returns at once.
    virtual void speaknowait(const std::string& text) = 0;
    // Speaks the keyboard map's name of the text's first character.
    virtual void speakkey(const std::string& text) = 0;
    // Silences the speech in progress and discards what is queued.
    virtual void stopspeech() = 0;
    // The program's pitch value (BASIC number, 56 is the normal voice).
    virtual void setpitch(double value) = 0;
};

// No engine: every operation returns at once and says nothing.
class NoSpeech final : public SpeechOutput {
  public:
    void speakandwait(const std::string&) override {}
    void speaknowait(const std::string&) override {}
    void speakkey(const std::string&) override {}
    void stopspeech() override {}
    void setpitch(double) override {}
};

}  // namespace ulvora
