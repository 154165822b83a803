// The desktop gadget's creation at start-up: its skins from the program's
// folder (or, installed, from the shared data folder beside it), its
// charging symbols from the program's resources.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

namespace voltaro::ui {
class GadgetWindow;
}

namespace voltaro::app {

// The folders searched for "vtat1.dat" ..., in order.
std::vector<std::string> gadgetSkinFolders(const QString& programFolder);

// Loads everything the gadget draws with and runs its creation. Returns the
// message for the user, naming the file, when a skin cannot be used.
std::optional<std::string> createGadget(ui::GadgetWindow& gadget, const QString& programFolder);

}  // namespace voltaro::app
