// The fixed texts of the advice and parameters dialogs, for every front end,
// and the whole of each dialog as plain text: the Windows program shows it
// in a message box.
#pragma once

#include <array>
#include <string>

#include "view/advice_port.h"
#include "view/parameters_port.h"

namespace voltaro::dialogs {

inline constexpr const char* kAdviceTitle = "Voltaro Advice";
inline constexpr const char* kAdviceBattery = "Battery: ";
inline constexpr std::array<const char*, 2> kAdviceIntro = {
    "Analysing the full charged capacity, wear and discharge cycles counts,",
    "Voltaro recommends  these actions for your current battery:"};
inline constexpr std::array<const char*, view::kAdviceItemCount> kAdviceItems = {
    "1. Perform a battery calibration as soon as possible",
    "2. Charge the battery to its full capacity", "3. Change to Green mode to save the energy",
    "4. Consider replacing the pack with a new one"};

inline constexpr const char* kParametersTitle = "Parameters";
inline constexpr std::array<const char*, 7> kParameterRows = {
    "Active power plan:",      "Battery charge level:",    "Low battery action:",
    "Critical battery level:", "Critical battery action:", "Reserve battery level:",
    "Sleep and Hibernation:"};
// The last row's value is the dialog's own.
inline constexpr const char* kSleepAndHibernation = "OFF";

// "Battery: <battery>", the introduction, then each item with its answer
// after a tab; lines end in "\n".
std::string adviceText(const view::AdviceContent& content);
// Each row with its value after a tab, an empty line, then the question.
std::string parametersText(const view::ParametersContent& content);

}  // namespace voltaro::dialogs
