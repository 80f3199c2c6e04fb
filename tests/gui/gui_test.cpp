#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QListWidget>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdlib>

#include "app/arena_view.h"
#include "app/game_app.h"
#include "app/text_windows.h"
#include "settings/qt_settings_store.h"

namespace vorlund::app {
namespace {

void runEventsFor(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

TEST(GameWindows, StartTickShowAndCloseSavingTheSettings) {
  GameApp app;
  ASSERT_TRUE(app.start(1));
  EXPECT_EQ(app.mainWindow()->windowTitle(), "Vorlund");
  EXPECT_TRUE(app.mainWindow()->isVisible());
  EXPECT_FALSE(app.window(WindowId::Log)->isVisible()) << "text windows wait for the first tick";

  runEventsFor(600);
  EXPECT_LE(app.game().startupCountdown, -1);
  const std::pair<WindowId, const char*> captions[] = {{WindowId::Us, "Us"},
                                                       {WindowId::Them, "Them"},
                                                       {WindowId::Names, "Names"},
                                                       {WindowId::Log, "Log"}};
  for (const auto& [w, caption] : captions) {
    EXPECT_TRUE(app.window(w)->isVisible()) << caption;
    EXPECT_EQ(app.window(w)->windowTitle(), caption);
  }
  // The first tick placed "Log" to the left of the arena, "Names" to its right.
  EXPECT_EQ(app.window(WindowId::Log)->x(), 0);
  EXPECT_GT(app.window(WindowId::Names)->x(), app.window(WindowId::Log)->x());
  EXPECT_EQ(app.game().names.lines.size(), 3u);
  EXPECT_GE(app.game().names.selected, 0);

  // A press on a name takes it and moves the wizard on to the races; a press
  // below the last line acts on nothing and leaves nothing selected.
  QListWidget* names = static_cast<ListWindow*>(app.window(WindowId::Names))->list();
  QTest::mouseClick(names->viewport(), Qt::LeftButton, {},
                    names->visualItemRect(names->item(1)).center());
  EXPECT_EQ(app.game().names.state, MenuState::ChooseRace);
  EXPECT_EQ(app.game().us.lines[0].substr(5, 5), "Birch");
  EXPECT_EQ(names->count(), 1) << "the races list (no races.txt: a human is offered)";
  QTest::mouseClick(names->viewport(), Qt::LeftButton, {},
                    QPoint(10, names->viewport()->height() - 3));
  EXPECT_EQ(app.game().names.state, MenuState::ChooseRace);
  EXPECT_EQ(app.game().names.selected, -1);
  EXPECT_TRUE(names->selectedItems().isEmpty());
  if (const char* shot = std::getenv("VORLUND_GUI_SHOT")) {
    app.window(WindowId::Names)->grab().save(QString(shot) + "-names.png");
    app.window(WindowId::Us)->grab().save(QString(shot) + "-us.png");
  }

  app.mainWindow()->close();
  QSettings stored(QSettings::IniFormat, QSettings::UserScope, "Vorlund", "Vorlund");
  const QString group = settingsKeyPath(QCoreApplication::applicationDirPath().toStdString());
  stored.beginGroup(group + "/MainForm");
  const int status = stored.value("Status").toInt();
  EXPECT_TRUE(status == 1 || status == 2) << status;
  for (int s = 1; s <= 8; ++s)
    EXPECT_EQ(stored.value(QString("Coin%1").arg(s)).toString(), "1375000") << s;
  EXPECT_EQ(stored.value("Betrayal").toString(), "0");
}

}  // namespace
}  // namespace vorlund::app

int main(int argc, char** argv) {
  // Never touch a real player's settings or game folder.
  QTemporaryDir config;
  QTemporaryDir gameDir;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  QDir::setCurrent(gameDir.path());
  {
    QFile names(gameDir.filePath("names.txt"));
    if (names.open(QIODevice::WriteOnly)) names.write("Ash\nBirch\nCedar\n");
  }
  for (const char* mesh : {"aorb1.orb", "atri1.tri"})
    QFile::copy(QDir(VORLUND_GAME_DIR).filePath(mesh), gameDir.filePath(mesh));
  vorlund::app::ArenaView::setDefaultFormat();
  QApplication application(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
