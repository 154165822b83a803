// The advice and parameters dialogs as plain text: every fixed line in
// order with the values where they belong.
#include "dialogs/dialog_texts.h"

#include <gtest/gtest.h>

namespace voltaro::dialogs {
namespace {

TEST(DialogTexts, AdviceAnswersFollowTheirItems) {
  view::AdviceContent content;
  content.battery = "KP-57 Main";
  content.answers = {{{"Yes", {}}, {"No", {}}, {"No", {}}, {"Yes", {}}}};
  EXPECT_EQ(adviceText(content),
            "Battery: KP-57 Main\n\n"
            "Analysing the full charged capacity, wear and discharge cycles counts,\n"
            "Voltaro recommends  these actions for your current battery:\n\n"
            "1. Perform a battery calibration as soon as possible\tYes\n"
            "2. Charge the battery to its full capacity\tNo\n"
            "3. Change to Green mode to save the energy\tNo\n"
            "4. Consider replacing the pack with a new one\tYes\n");
}

TEST(DialogTexts, ParametersKeepTheirRowsAndEndWithTheQuestion) {
  const view::ParametersContent content{"Balanced",         "87%", "Sleep", "5%", "Hibernate", "7%",
                                        "Set these values?"};
  EXPECT_EQ(parametersText(content),
            "Active power plan:\tBalanced\n"
            "Battery charge level:\t87%\n"
            "Low battery action:\tSleep\n"
            "Critical battery level:\t5%\n"
            "Critical battery action:\tHibernate\n"
            "Reserve battery level:\t7%\n"
            "Sleep and Hibernation:\tOFF\n"
            "\nSet these values?");
}

}  // namespace
}  // namespace voltaro::dialogs
