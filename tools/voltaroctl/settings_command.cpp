#include "settings_command.h"

#include <CLI/CLI.hpp>
#include <filesystem>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <system_error>

#include "common/file_io.h"
#include "common/scramble.h"
#include "engine/documents_folders.h"
#include "settings/data_folder.h"
#include "settings/settings_fields.h"
#include "settings/settings_file.h"
#include "settings/settings_store.h"

namespace voltaro::tools {

namespace {

namespace fs = std::filesystem;

struct SettingsArgs {
  std::string file;
  std::string data;
  bool json = false;
};

// The data folder on a base folder, as the program builds it; "" without one.
std::string dataFolderOn(const std::optional<std::string>& base, char separator) {
  if (!base || base->empty()) return "";
  std::string folder = *base;
  if (folder.back() != separator && folder.back() != '/') folder += separator;
  return folder + makerFolder() + separator + productTitle() + separator;
}

// "voltaro.ini" of the data folder the program would use, found without
// creating anything: the one on the Documents base, or the fallback's when
// only that one exists; "" after a message when the system offers neither.
std::string dataFolderSettingsFile(const std::string& dataBase, std::ostream& err) {
  std::string error;
  std::unique_ptr<platform::Folders> folders =
      dataBase.empty() ? engine::makeUserFolders(error)
                       : std::make_unique<engine::DocumentsFolders>(dataBase);
  if (!folders) {
    err << "voltaroctl settings: " << error << "\n";
    return "";
  }
  const std::string documents = dataFolderOn(folders->documentsFolder(), folders->separator());
  const std::string shared = dataFolderOn(folders->sharedFolder(), folders->separator());
  std::error_code ec;
  std::string folder = documents;
  if (folder.empty() || (!fs::is_directory(folder, ec) && fs::is_directory(shared, ec))) {
    folder = shared;
  }
  if (folder.empty()) {
    err << "voltaroctl settings: " << settings::kError1Text << "\n";
    return "";
  }
  return folder + settings::kSettingsFileName;
}

// What the program's load does: fresh defaults, the stored fields and the
// corrections when the file exists, then the first line of "launch.txt".
// Returns false with a message when a file that exists cannot be read.
bool loadLikeTheProgram(const std::string& path, settings::AppSettings& loaded, bool& found,
                        std::ostream& err) {
  std::error_code ec;
  found = fs::exists(path, ec);
  if (found) {
    const auto bytes = readFileBytes(path);
    if (!bytes) {
      err << "voltaroctl settings: cannot read the settings file " << path << "\n";
      return false;
    }
    settings::readSettingsBytes(*bytes, loaded);
    settings::applyLoadCorrections(loaded);
  }
  const std::string launch = (fs::path(path).parent_path() / settings::kLaunchFileName).string();
  if (!fs::exists(launch, ec)) return true;
  const auto lines = readTextLines(launch);
  if (!lines) {
    err << "voltaroctl settings: cannot read the launch file " << launch << "\n";
    return false;
  }
  if (!lines->empty()) loaded.LaunchProgramPath = lines->front();
  return true;
}

// The fields by name as numbers, in the order of the file; the launch
// path is text.
nlohmann::ordered_json settingsJson(const std::string& path, bool found,
                                    const settings::AppSettings& loaded) {
  nlohmann::ordered_json fields;
  for (const settings::SettingsField& field : settings::settingsFields()) {
    fields[field.name] = std::stoll(settings::fieldValue(loaded, field));
  }
  fields["LaunchProgramPath"] = loaded.LaunchProgramPath;
  nlohmann::ordered_json all;
  all["file"] = path;
  all["exists"] = found;
  all["settings"] = std::move(fields);
  return all;
}

int runSettings(const SettingsArgs& parsed, std::ostream& out, std::ostream& err) {
  const std::string path =
      parsed.file.empty() ? dataFolderSettingsFile(parsed.data, err) : parsed.file;
  if (path.empty()) return kExitFailed;
  settings::AppSettings loaded;
  bool found = false;
  if (!loadLikeTheProgram(path, loaded, found, err)) return kExitFailed;
  if (parsed.json) {
    out << settingsJson(path, found, loaded).dump() << "\n";
    return kExitDone;
  }
  if (found) {
    std::error_code ec;
    out << "# " << path << " (" << fs::file_size(path, ec) << " bytes)\n";
  } else {
    out << "# " << path << " does not exist: the fresh defaults\n";
  }
  for (const settings::SettingsField& field : settings::settingsFields()) {
    out << field.name << " = " << settings::fieldValue(loaded, field) << "\n";
  }
  out << "LaunchProgramPath = " << loaded.LaunchProgramPath << "\n";
  return kExitDone;
}

}  // namespace

CommandAction defineSettingsCommand(CLI::App& command) {
  auto args = std::make_shared<SettingsArgs>();
  auto* file = command.add_option("FILE", args->file,
                                  "A settings file (default: voltaro.ini of the data folder)");
  auto* data = command.add_option(
      "--data", args->data, "The Documents base of the data folder (default: the user's own)");
  data->type_name("DIR");
  file->excludes(data);
  addJsonFlag(command, args->json);
  return [args](std::ostream& out, std::ostream& err) { return runSettings(*args, out, err); };
}

}  // namespace voltaro::tools
