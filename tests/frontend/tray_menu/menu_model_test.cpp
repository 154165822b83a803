// The menu tree as the program starts, and the model's rules for marks,
// radio groups, the enabled state and replaced submenus.
#include "frontend/tray_menu/menu_model.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "frontend/tray_menu/menu_dump.h"
#include "frontend/tray_menu/tray_menu_tree.h"

namespace voltaro::frontend::tray_menu {
namespace {

using ::testing::ElementsAre;
using C = TrayCommand;

TEST(TrayMenuTree, HoldsEveryItemInOrderWithItsKindAndAnIdentityOfItsOwn) {
  // clang-format off
  const std::vector<std::string> expected = {
      "> Main Page", "  (*) Information", "  ( ) Graph", "  ( ) Settings", "  ( ) Alerts",
      "  ( ) Calibrate", "  ( ) Home", "Show Advice", "---", "Help File", "> View Logs",
      "  Discharge", "  Calibration", "---", "[ ] Always on Top", "[ ] Balloon Hints",
      "> Style", "  ( ) 2D Style", "  ( ) 3D Style", "> Size", "  ( ) Large size",
      "  ( ) Small size", "> Opacity", "  ( ) 20%", "  ( ) 40%", "  ( ) 60%", "  ( ) 80%",
      "  ( ) 100%", "> Show", "  [ ] Battery capacity", "  [ ] Time remaining",
      "  [ ] CPU usage", "> Priority", "  ( ) Idle", "  ( ) Normal", "  ( ) High",
      "  ( ) Real-time", "---", "Power Options", "> Power Plan", "> Brightness", "  ( ) 10%",
      "  ( ) 20%", "  ( ) 30%", "  ( ) 40%", "  ( ) 50%", "  ( ) 60%", "  ( ) 70%", "  ( ) 80%",
      "  ( ) 90%", "  ( ) 100%", "---", "[ ] Green Mode", "Standby", "Hibernate", "Restart",
      "Shut Down", "---", "Exit"};
  // clang-format on
  const MenuModel model(buildTrayMenu());
  EXPECT_THAT(testing::dumpMenu(model.root()), ::testing::ElementsAreArray(expected));

  // Every item is found by its identity, also through its number.
  const std::function<void(const MenuItem&)> walk = [&](const MenuItem& parent) {
    for (const MenuItem& item : parent.children) {
      EXPECT_EQ(model.find(ItemId::fromCode(item.id.code())), &item) << item.caption;
      walk(item);
    }
  };
  walk(model.root());
  EXPECT_EQ(model.find({C::OpacityItem, 50}), nullptr);
}

struct RecordingListener : MenuModel::Listener {
  void itemChanged(const MenuItem& item) override {
    changes.push_back(item.caption + (item.checked ? " on" : " off") +
                      (item.enabled ? "" : " disabled"));
  }
  void childrenReplaced(const MenuItem& submenu) override {
    changes.push_back(submenu.caption + " has " + std::to_string(submenu.children.size()));
  }
  std::vector<std::string> changes;
};

TEST(MenuModel, RadioItemsExcludeEachOtherOnlyWithinTheirSubmenuAndEveryChangeIsReported) {
  MenuModel model(buildTrayMenu());
  RecordingListener listener;
  model.setListener(&listener);
  model.setChecked({C::OpacityItem, 60}, true);
  model.setChecked({C::PriorityItem, 2}, true);
  model.setChecked({C::OpacityItem, 40}, true);
  model.setChecked({C::OpacityItem, 40}, true);  // already checked: no news
  model.setChecked({C::AlwaysOnTop}, true);
  model.setChecked({C::BalloonHints}, true);
  model.setChecked({C::AlwaysOnTop}, false);
  model.setEnabled({C::PowerPlan}, false);
  model.setEnabled({C::PowerPlan}, false);
  model.setChecked({C::Exit, 7}, true);  // no such item
  model.replaceChildren(
      {C::PowerPlan}, {MenuItem{{C::PowerPlanItem, 0}, "Quiet", ItemKind::Radio, true, true, {}}});

  EXPECT_THAT(listener.changes,
              ElementsAre("60% on", "Normal on", "60% off", "40% on", "Always on Top on",
                          "Balloon Hints on", "Always on Top off", "Power Plan off disabled",
                          "Power Plan has 1"));
  EXPECT_TRUE(model.checked({C::PriorityItem, 2})) << "another submenu keeps its mark";
  EXPECT_EQ(model.find({C::PowerPlanItem, 0})->caption, "Quiet");
}

}  // namespace
}  // namespace voltaro::frontend::tray_menu
