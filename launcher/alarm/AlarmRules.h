#pragma once

#include <string>

#include "config/SettingsStore.h"

namespace quivlane {

// What the alarm dialog shows and writes, apart from its window: the hour and minute texts,
// the time line of its display and the link stored for the button.
class AlarmRules {
  public:
    static constexpr const char* kDeleted = "ANNULEE";
    static constexpr int kMaxHour = 23;
    static constexpr int kMaxMinute = 59;

    // Both texts back to "00".
    void Reset();
    // Takes the time out of a stored link: characters 16-17 and 19-20 of a link longer than 15
    // characters; a shorter link leaves "00:00". A half that is not two digits in range
    // becomes the two digits of where its slider stands, so the display shows what accepting
    // stores.
    void LoadFromLink(const std::string& link);
    // A slider moved to this position: its text becomes two digits.
    void HourMoved(int position);
    void MinuteMoved(int position);

    const std::string& HourText() const { return hourText_; }
    const std::string& MinuteText() const { return minuteText_; }
    // Where the sliders stand for the texts (their decimal value, 0 when not a number, within
    // the slider's range).
    int HourPosition() const;
    int MinutePosition() const;
    // Five blanks, hours, ";", minutes, four blanks.
    std::string DisplayText() const;
    // "HH:MM" as it will be stored: a text that is not a two-digit time in range is replaced
    // by the position its slider shows.
    std::string AcceptedTime() const;

    // The section of a button: "BOUTON" + (button id - 999).
    static std::string SectionOf(int buttonId);
    // The leading decimal number of a text (optional blanks and sign first), 0 when none.
    static int DecimalValue(const std::string& text);

    // Reads the button's link and loads its time.
    void Load(SettingsStore& store, const std::string& configPath, int buttonId);
    // Writes "DEFINIR_ALARME?HH:MM" and returns the time.
    std::string Accept(SettingsStore& store, const std::string& configPath, int buttonId) const;
    // Writes "DEFINIR_ALARME" and returns "ANNULEE".
    static std::string Delete(SettingsStore& store, const std::string& configPath, int buttonId);

  private:
    std::string hourText_ = "00";
    std::string minuteText_ = "00";
};

}  // namespace quivlane
