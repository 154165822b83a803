#include "app/gadget_start.h"

#include <QDir>
#include <QFile>

#include "gadget/skin_files.h"
#include "ui/gadget_window.h"

namespace voltaro::app {

namespace {
std::optional<std::string> loadSymbol(const QString& resource, bool small,
                                      gadget::GadgetSkins& skins) {
  QFile file(resource);
  if (!file.open(QIODevice::ReadOnly)) return "The gadget's charging symbol is missing.";
  const QByteArray bytes = file.readAll();
  return gadget::loadChargingSymbol(
      std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                static_cast<std::size_t>(bytes.size())),
      small, resource.toStdString(), skins);
}
}  // namespace

std::vector<std::string> gadgetSkinFolders(const QString& programFolder) {
  const QDir folder(programFolder);
  return {QDir::cleanPath(folder.absolutePath()).toStdString(),
          QDir::cleanPath(folder.absoluteFilePath("../share/voltaro")).toStdString()};
}

std::optional<std::string> createGadget(ui::GadgetWindow& gadget, const QString& programFolder) {
  gadget::GadgetSkins skins;
  if (auto error = gadget::loadSkinFiles(gadgetSkinFolders(programFolder), skins)) return error;
  if (auto error = loadSymbol(":/skin/gadget_charging_large.png", false, skins)) return error;
  if (auto error = loadSymbol(":/skin/gadget_charging_small.png", true, skins)) return error;
  gadget.controller().formCreate(std::move(skins));
  return std::nullopt;
}

}  // namespace voltaro::app
