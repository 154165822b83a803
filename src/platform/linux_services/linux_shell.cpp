#include "platform/linux_services/linux_shell.h"

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#include "platform/linux_services/desktop_launcher.h"
#include "platform/linux_services/power_settings_programs.h"

namespace voltaro::platform::linux_services {

namespace {

constexpr int kStartTimeoutMilliseconds = 5000;
constexpr int kPollMilliseconds = 10;

QStringList toQt(const std::vector<std::string>& arguments) {
  QStringList list;
  for (const auto& a : arguments) list << QString::fromStdString(a);
  return list;
}

// Starts the program and waits for its end, processing the program's
// messages between short waits. False when it could not start.
bool startAndWait(QProcess& process, Runtime& runtime, const QString& program,
                  const QStringList& arguments) {
  process.start(program, arguments);
  if (!process.waitForStarted(kStartTimeoutMilliseconds)) return false;
  while (!process.waitForFinished(kPollMilliseconds)) {
    if (process.state() == QProcess::NotRunning) break;
    runtime.processMessages();
  }
  return true;
}

}  // namespace

bool LinuxShell::openFile(const std::string& target) {
  return QProcess::startDetached(QStringLiteral("xdg-open"), {QString::fromStdString(target)});
}

bool LinuxShell::launchProgram(const std::string& commandLine) {
  return launchUserProgram(commandLine).started;
}

bool LinuxShell::openTextFile(const std::string& path) {
  return openFile(path);
}

bool LinuxShell::openPowerSettings(PowerSettingsView view) {
  const auto command = choosePowerSettingsCommand(
      powerSettingsPrograms(), qEnvironmentVariable("XDG_CURRENT_DESKTOP").toStdString(), view,
      [](std::string_view program) {
        const QString name =
            QString::fromUtf8(program.data(), static_cast<qsizetype>(program.size()));
        return !QStandardPaths::findExecutable(name).isEmpty();
      });
  if (!command) return false;
  return QProcess::startDetached(QString::fromStdString(command->program),
                                 toQt(command->arguments));
}

bool LinuxShell::runAndWait(bool elevate, const std::string& program,
                            const std::vector<std::string>& arguments,
                            const std::string& workingDirectory) {
  QProcess process;
  process.setProcessChannelMode(QProcess::ForwardedChannels);
  if (!workingDirectory.empty())
    process.setWorkingDirectory(QString::fromStdString(workingDirectory));
  QStringList args = toQt(arguments);
  QString executable = QString::fromStdString(program);
  if (elevate) {
    // pkexec asks for an administrator's password, as the system's
    // elevation prompt does.
    args.prepend(executable);
    executable = QStringLiteral("pkexec");
  }
  return startAndWait(process, runtime_, executable, args);
}

std::string LinuxShell::captureOutput(const std::string& program,
                                      const std::vector<std::string>& arguments,
                                      const std::string&) {
  QProcess process;
  process.setProcessChannelMode(QProcess::SeparateChannels);
  process.setStandardErrorFile(QProcess::nullDevice());
  if (!startAndWait(process, runtime_, QString::fromStdString(program), toQt(arguments))) {
    return "";
  }
  return toCrLfLines(process.readAllStandardOutput().toStdString());
}

std::string toCrLfLines(const std::string& output) {
  std::string result;
  std::size_t from = 0;
  while (from < output.size()) {
    std::size_t end = output.find('\n', from);
    if (end == std::string::npos) end = output.size();
    std::size_t lineEnd = end;
    if (lineEnd > from && output[lineEnd - 1] == '\r') --lineEnd;
    result.append(output, from, lineEnd - from);
    result += "\r\n";
    from = end + 1;
  }
  return result;
}

}  // namespace voltaro::platform::linux_services
