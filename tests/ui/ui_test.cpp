// The Qt windows and services of src/ui: the confirmation dialog's answers,
// layout and plain texts, the single-instance guard and its private folder,
// the autostart entry, the tray hint, the tray menu drawn from its model, the
// error report and the file-dialog filters.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <memory>

#include "frontend/tray_menu/menu_dump.h"
#include "frontend/tray_menu/tray_menu_tree.h"
#include "ui/autostart_entry.h"
#include "ui/dialog_windows.h"
#include "ui/qt_ports.h"
#include "ui/qt_tray.h"
#include "ui/qt_tray_menu.h"
#include "ui/single_instance.h"

namespace voltaro::ui {
namespace {

class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "ui-test";
    static char* argv[] = {name, nullptr};
    application_ = std::make_unique<QApplication>(argc, argv);
  }
  void TearDown() override { application_.reset(); }

 private:
  std::unique_ptr<QApplication> application_;
};
const auto* const kQt = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

void pressEnter(QWidget& widget) {
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
  QApplication::sendEvent(&widget, &enter);
}

class ConfirmationTest : public ::testing::Test {
 protected:
  ConfirmationTest() {
    window.answeredYes = [this] { answers += "Y"; };
    window.answeredNo = [this] { answers += "N"; };
  }
  ConfirmationWindow window;
  std::string answers;
};

TEST_F(ConfirmationTest, EnterInANoticeAnswersOk) {
  window.showConfirmation({"Hints", "", "Balloon hints are ON", ""}, view::ConfirmationMode::Ok);
  EXPECT_TRUE(window.isVisible());
  EXPECT_TRUE(window.okButton()->isVisibleTo(&window));
  EXPECT_FALSE(window.yesButton()->isVisibleTo(&window));
  pressEnter(window);
  EXPECT_EQ(answers, "Y");
  EXPECT_FALSE(window.isVisible());
}

TEST_F(ConfirmationTest, EnterInAQuestionAnswersYesAndNoAnswersNo) {
  window.showConfirmation({"Confirmation", "", "Close Voltaro?", ""},
                          view::ConfirmationMode::YesNo);
  EXPECT_FALSE(window.okButton()->isVisibleTo(&window));
  pressEnter(window);
  window.showConfirmation({"Confirmation", "", "Close Voltaro?", ""},
                          view::ConfirmationMode::YesNo);
  QTest::mouseClick(window.noButton(), Qt::LeftButton);
  EXPECT_EQ(answers, "YN");
  // Other keys do nothing: there is no cancel key.
  window.showConfirmation({"Confirmation", "", "Close Voltaro?", ""},
                          view::ConfirmationMode::YesNo);
  QTest::keyClick(&window, Qt::Key_Escape);
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(answers, "YN");
}

TEST_F(ConfirmationTest, SpaceAndTabAnswerNothing) {
  window.showConfirmation({"Confirmation", "", "Close Voltaro?", ""},
                          view::ConfirmationMode::YesNo);
  QApplication::setActiveWindow(&window);
  // Keys go where the keyboard focus is, as the user's would.
  const auto press = [this](Qt::Key key) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus != nullptr ? focus : &window, key);
  };
  for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Space, Qt::Key_Tab, Qt::Key_Space}) press(key);
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(answers, "");
  press(Qt::Key_Return);
  EXPECT_EQ(answers, "Y");
}

TEST_F(ConfirmationTest, AMarkupReplyIsShownAsPlainText) {
  const std::string line = "Do you want to download v9.3 <h1 style='color:red'>Now</h1>?";
  window.showConfirmation({"Confirmation", "A new version is available!", line, ""},
                          view::ConfirmationMode::YesNo);
  bool found = false;
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    if (label->text().isEmpty()) continue;  // the dialog's picture
    EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->text().toStdString();
    found = found || label->text().toStdString() == line;
  }
  EXPECT_TRUE(found);
}

TEST_F(ConfirmationTest, NarrowAndWideTextsGiveTheLimitWidthsAndButtonPlaces) {
  window.showConfirmation({"Title", "", "", ""}, view::ConfirmationMode::YesNo);
  EXPECT_EQ(window.width(), 300);
  EXPECT_EQ(window.yesButton()->x(), 73);
  EXPECT_EQ(window.noButton()->x(), 157);
  EXPECT_EQ(window.okButton()->x(), 120);
  window.showConfirmation({"Title", std::string(100, 'x'), "", ""}, view::ConfirmationMode::YesNo);
  EXPECT_EQ(window.width(), 890);
  EXPECT_EQ(window.yesButton()->x(), 368);
  EXPECT_EQ(window.noButton()->x(), 452);
  EXPECT_EQ(window.line(0), QString(100, 'x'));
}

TEST_F(ConfirmationTest, ButtonPressPlaysTheClick) {
  int clicks = 0;
  window.buttonPressed = [&clicks] { ++clicks; };
  window.showConfirmation({"T", "", "", ""}, view::ConfirmationMode::YesNo);
  QTest::mousePress(window.yesButton(), Qt::LeftButton);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(answers, "") << "the answer comes with the release";
  QTest::mouseRelease(window.yesButton(), Qt::LeftButton);
  EXPECT_EQ(answers, "Y");
}

TEST(AdviceWindowTest, FillShowsTheAnswersAndAnyKeyHides) {
  AdviceWindow window;
  view::AdviceContent content;
  content.battery = "Battery 2";
  content.answers[0] = {"Yes", {0xFC, 0x30, 0x12}};
  content.answers[3] = {"No", {0x99, 0xA3, 0xBB}};
  window.fill(content);
  window.show();
  EXPECT_EQ(window.answer(0), "Yes");
  EXPECT_EQ(window.answer(3), "No");
  QTest::keyClick(&window, Qt::Key_X);
  EXPECT_FALSE(window.isVisible());
}

QString uniqueTitle() {
  return "voltaro-test-" + QString::number(QCoreApplication::applicationPid()) + "-" +
         QString::number(reinterpret_cast<quintptr>(&uniqueTitle) & 0xFFFF);
}

// A private runtime folder of the test's own, as the system makes one.
class SingleInstanceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(runtime.isValid());
    QFile::setPermissions(runtime.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    saved = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
  }
  void TearDown() override { qputenv("XDG_RUNTIME_DIR", saved); }
  QTemporaryDir runtime;
  QByteArray saved;
};

TEST_F(SingleInstanceTest, ASecondCopyAsksTheFirstToComeForwardAndEnds) {
  const QString title = uniqueTitle();
  EXPECT_EQ(SingleInstance::socketPath(title), runtime.path() + "/" + title);
  SingleInstance first(title);
  ASSERT_TRUE(first.acquire());
  QSignalSpy forward(&first, &SingleInstance::activationRequested);
  SingleInstance second(title);
  EXPECT_FALSE(second.acquire());
  EXPECT_TRUE(forward.wait(2000));
  EXPECT_EQ(forward.count(), 1);
}

TEST_F(SingleInstanceTest, AStaleSocketFromACrashedCopyIsTakenOver) {
  const QString title = uniqueTitle() + "-stale";
  // A file where the socket would be, with nobody listening on it.
  {
    QFile stale(SingleInstance::socketPath(title));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
  }
  SingleInstance copy(title);
  EXPECT_TRUE(copy.acquire());
  SingleInstance another(title);
  EXPECT_FALSE(another.acquire()) << "the new copy now answers";
}

TEST_F(SingleInstanceTest, TheOwnersSocketIsItsAloneAndGoesWithIt) {
  const QString title = uniqueTitle() + "-owner";
  const QByteArray path = QFile::encodeName(SingleInstance::socketPath(title));
  {
    SingleInstance owner(title);
    ASSERT_TRUE(owner.acquire());
    struct stat info {};
    ASSERT_EQ(::lstat(path.constData(), &info), 0);
    EXPECT_TRUE(S_ISSOCK(info.st_mode));
    EXPECT_EQ(info.st_mode & 0777, 0700U);
    // A caller that hangs up without asking brings nothing forward.
    QSignalSpy forward(&owner, &SingleInstance::activationRequested);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    const int silent = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(::connect(silent, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(silent);
    EXPECT_FALSE(forward.wait(200));
  }
  EXPECT_NE(::access(path.constData(), F_OK), 0) << "the socket file outlived its owner";
}

TEST_F(SingleInstanceTest, ASquatterOnASharedNameIsNeverAsked) {
  const QString title = uniqueTitle() + "-squat";
  // Anyone may listen on a name in the shared temporary folder.
  const QByteArray name =
      QFile::encodeName(QDir::tempPath() + "/" + title + "-" + qEnvironmentVariable("USER"));
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  ASSERT_LT(static_cast<std::size_t>(name.size()), sizeof address.sun_path);
  std::memcpy(address.sun_path, name.constData(), static_cast<std::size_t>(name.size()));
  const int squatter = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
  ASSERT_EQ(::bind(squatter, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ASSERT_EQ(::chmod(name.constData(), 0777), 0);
  ASSERT_EQ(::listen(squatter, 1), 0);
  SingleInstance copy(title);
  EXPECT_TRUE(copy.acquire());
  QCoreApplication::processEvents();
  EXPECT_LT(::accept(squatter, nullptr, nullptr), 0) << "nobody called the squatter";
  ::close(squatter);
  ::unlink(name.constData());
}

TEST_F(SingleInstanceTest, OnlyAPrivateFolderOfThisUserHoldsTheSocket) {
  const QString title = uniqueTitle() + "-folders";
  // A runtime folder that others may enter is not used; the own folder is.
  QFile::setPermissions(runtime.path(), QFile::permissions(runtime.path()) |
                                            QFileDevice::ReadOther | QFileDevice::ExeOther);
  EXPECT_FALSE(isPrivateFolder(runtime.path()));
  const QString own = QDir::tempPath() + "/" + title + "-" + QString::number(getuid());
  EXPECT_EQ(SingleInstance::socketPath(title), own + "/" + title);
  EXPECT_TRUE(isPrivateFolder(own));
  // Without any runtime folder the same.
  qunsetenv("XDG_RUNTIME_DIR");
  EXPECT_EQ(SingleInstance::socketPath(title), own + "/" + title);
  // A link in its place is not a private folder, whoever made it.
  QDir().rmdir(own);
  ASSERT_TRUE(QFile::link(runtime.path(), own));
  EXPECT_EQ(SingleInstance::socketPath(title), QString());
  QFile::remove(own);
}

TEST_F(SingleInstanceTest, ThePeerCheckTellsThisUserFromAnother) {
  int pair[2];
  ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, pair), 0);
  EXPECT_TRUE(peerIsThisUser(pair[0]));
  ::close(pair[0]);
  ::close(pair[1]);
  if (geteuid() != 0) GTEST_SKIP() << "another user's process needs root to make";
  // A socket that anyone may reach, and a process of another user calling.
  QTemporaryDir open;
  ASSERT_EQ(::chmod(QFile::encodeName(open.path()).constData(), 0755), 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const QByteArray path = QFile::encodeName(open.path() + "/socket");
  ASSERT_LT(static_cast<std::size_t>(path.size()), sizeof address.sun_path);
  std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
  const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ASSERT_EQ(::chmod(path.constData(), 0777), 0);
  ASSERT_EQ(::listen(listener, 1), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (setgid(65534) != 0 || setuid(65534) != 0) _exit(1);
    const int caller = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (::connect(caller, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) _exit(1);
    char byte = 0;
    (void)!::read(caller, &byte, 1);  // until the other side closes
    _exit(0);
  }
  const int accepted = ::accept(listener, nullptr, nullptr);
  ASSERT_GE(accepted, 0);
  EXPECT_FALSE(peerIsThisUser(accepted));
  ::close(accepted);
  ::close(listener);
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_EQ(status, 0);
}

TEST(AutostartEntryTest, OnWritesTheDesktopFileAndOffRemovesIt) {
  QTemporaryDir config;
  const QString folder = config.path() + "/autostart";
  AutostartEntry entry(folder, "/opt/voltaro dir/voltaro");
  EXPECT_EQ(entry.filePath(), folder + "/voltaro.desktop");
  entry.setAutoRun(true);
  ASSERT_TRUE(entry.present());
  QFile file(entry.filePath());
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(file.readAll());
  EXPECT_TRUE(text.startsWith("[Desktop Entry]\n"));
  EXPECT_TRUE(text.contains("Type=Application\n"));
  EXPECT_TRUE(text.contains("Name=Voltaro\n"));
  EXPECT_TRUE(text.contains("Exec=\"/opt/voltaro dir/voltaro\"\n"));
  file.close();
  entry.setAutoRun(false);
  EXPECT_FALSE(entry.present());
  entry.setAutoRun(false);  // removing twice is harmless
  EXPECT_FALSE(entry.present());
}

TEST(AutostartEntryTest, DefaultFolderFollowsXdgConfigHome) {
  qputenv("XDG_CONFIG_HOME", "/tmp/somewhere");
  EXPECT_EQ(AutostartEntry::defaultFolder(), "/tmp/somewhere/autostart");
  qunsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(AutostartEntry::defaultFolder(), QDir::homePath() + "/.config/autostart");
}

TEST(QtTrayTest, HintUsesLineBreaksAndTheNotificationAreasLimit) {
  QtTray tray;
  tray.setHint("Running on AC Power\r\nBattery is fully charged");
  EXPECT_EQ(tray.hint(), "Running on AC Power\nBattery is fully charged");
  tray.setHint(std::string(200, 'h'));
  EXPECT_EQ(tray.hint().size(), 127);
  tray.setIcon(16);
  EXPECT_EQ(tray.picture(), 16);
  tray.setIcon(17);
  EXPECT_EQ(tray.picture(), 16) << "no picture beyond the table";
  EXPECT_EQ(QtTray::picturePath(3), ":/skin/tray_03.png");
}

// The rendered menu in the lines of testing::dumpMenu.
void dumpQMenu(const QMenu* menu, const std::string& indent, std::vector<std::string>& lines) {
  using frontend::tray_menu::ItemKind;
  for (const QAction* action : menu->actions()) {
    ItemKind kind = ItemKind::Command;
    if (action->isSeparator()) kind = ItemKind::Separator;
    if (action->isCheckable()) kind = ItemKind::Check;
    if (action->actionGroup() && action->actionGroup()->isExclusive()) kind = ItemKind::Radio;
    if (action->menu()) kind = ItemKind::Submenu;
    const std::string caption = action->text().replace("&&", "&").toStdString();
    lines.push_back(indent +
                    testing::itemLine(kind, action->isChecked(), caption, action->isEnabled()));
    if (action->menu()) dumpQMenu(action->menu(), indent + "  ", lines);
  }
}

std::vector<std::string> dumpQMenu(const QMenu* menu) {
  std::vector<std::string> lines;
  dumpQMenu(menu, "", lines);
  return lines;
}

TEST(QtTrayMenuTest, ShowsTheModelAndFollowsItsChanges) {
  using frontend::tray_menu::ItemKind;
  using frontend::tray_menu::MenuItem;
  using C = frontend::tray_menu::TrayCommand;
  frontend::tray_menu::MenuModel model(frontend::tray_menu::buildTrayMenu());
  QtTrayMenu menu(model);
  EXPECT_EQ(dumpQMenu(menu.menu()), testing::dumpMenu(model.root()));

  model.setChecked({C::OpacityItem, 60}, true);
  model.setChecked({C::GreenMode}, true);
  model.setEnabled({C::Brightness}, false);
  model.replaceChildren(
      {C::PowerPlan},
      {MenuItem{{C::PowerPlanItem, 0}, "Fast & Quiet", ItemKind::Radio, false, true, {}},
       MenuItem{{C::PowerPlanItem, 1}, "Saver", ItemKind::Radio, true, true, {}}});
  EXPECT_EQ(dumpQMenu(menu.menu()), testing::dumpMenu(model.root()));
  EXPECT_EQ(menu.action({C::PowerPlanItem, 0})->text(), "Fast && Quiet") << "no mnemonic";
}

TEST(QtTrayMenuTest, AClickReachesTheHandlerAfterTheMenuAndKeepsTheModelsMarks) {
  using C = frontend::tray_menu::TrayCommand;
  frontend::tray_menu::MenuModel model(frontend::tray_menu::buildTrayMenu());
  model.setChecked({C::SizeItem, 1}, true);
  QtTrayMenu menu(model);
  std::vector<int> chosen;
  int opened = 0;
  menu.chosen = [&chosen](frontend::tray_menu::ItemId id) { chosen.push_back(id.code()); };
  menu.aboutToOpen = [&opened] { ++opened; };

  Q_EMIT menu.menu()->aboutToShow();
  menu.action({C::SizeItem, 0})->trigger();
  menu.action({C::AlwaysOnTop})->trigger();
  EXPECT_TRUE(chosen.empty()) << "the handler runs once the menu is done";
  EXPECT_TRUE(menu.action({C::SizeItem, 1})->isChecked());
  EXPECT_FALSE(menu.action({C::SizeItem, 0})->isChecked());
  EXPECT_FALSE(menu.action({C::AlwaysOnTop})->isChecked());
  QApplication::processEvents();
  EXPECT_EQ(chosen, (std::vector<int>{frontend::tray_menu::ItemId{C::SizeItem, 0}.code(),
                                      frontend::tray_menu::ItemId{C::AlwaysOnTop}.code()}));
  EXPECT_EQ(opened, 1);
}

// A report returns at once and shows nothing inside the caller (a tick holds
// the busy flag there); the box comes from the event loop, is not modal, and
// later reports join it until it is closed.
TEST(QtErrorReportTest, ReportsShowInOneBoxThatNobodyMustAnswer) {
  QtErrorReport errors;
  errors.report("first");
  EXPECT_EQ(errors.box(), nullptr);
  QCoreApplication::processEvents();
  QMessageBox* box = errors.box();
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(box->isVisible());
  EXPECT_FALSE(box->isModal());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

  errors.report("<b>second</b>");
  QCoreApplication::processEvents();
  EXPECT_EQ(errors.box(), box);
  EXPECT_EQ(box->text(), "first\n\n<b>second</b>");
  EXPECT_EQ(box->textFormat(), Qt::PlainText);  // a file name is never read as markup

  box->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(errors.box(), nullptr);
  errors.report("third");
  QCoreApplication::processEvents();
  ASSERT_NE(errors.box(), nullptr);
  EXPECT_EQ(errors.box()->text(), "third");
  errors.box()->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(QtFileDialogsTest, FilterPairsBecomeQtFilters) {
  EXPECT_EQ(QtFileDialogs::qtFilter("exe|*.exe|com|*.com|bat|*.bat|all files|*.*"),
            "exe (*.exe);;com (*.com);;bat (*.bat);;all files (*.*)");
  EXPECT_EQ(QtFileDialogs::qtFilter("Binary file (*.bin)|*.bin"), "Binary file (*.bin) (*.bin)");
  EXPECT_EQ(QtFileDialogs::qtFilter(""), "");
}

}  // namespace
}  // namespace voltaro::ui
