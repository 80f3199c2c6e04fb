#include "gui_support.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "app/arena_view.h"
#include "app/text_windows.h"

namespace vorlund::app::test {

void runEventsFor(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

bool waitFor(const std::function<bool()>& done, int ms) {
  for (int waited = 0; waited < ms; waited += 10) {
    if (done()) return true;
    runEventsFor(10);
  }
  return done();
}

QListWidget* listOf(GameApp& app, WindowId w) {
  return static_cast<ListWindow*>(app.window(w))->list();
}

void clickNamesRow(GameApp& app, int row) {
  QListWidget* names = listOf(app, WindowId::Names);
  QListWidgetItem* item = names->item(row);
  ASSERT_NE(item, nullptr) << "no Names line " << row;
  names->scrollToItem(item);
  QTest::mouseClick(names->viewport(), Qt::LeftButton, {}, names->visualItemRect(item).center());
}

void clickNames(GameApp& app, const std::string& text) {
  const auto& lines = app.game().names.lines();
  const auto at = std::find(lines.begin(), lines.end(), text);
  ASSERT_NE(at, lines.end()) << "no Names line \"" << text << "\"";
  clickNamesRow(app, static_cast<int>(at - lines.begin()));
}

void clickLog(GameApp& app) {
  QTest::mouseClick(listOf(app, WindowId::Log)->viewport(), Qt::LeftButton, {}, QPoint(6, 6));
}

bool startAndShow(GameApp& app, unsigned seed) {
  return app.start(seed) && waitFor([&] { return app.game().startupCountdown == -1; });
}

Difference difference(const QImage& a, const QImage& b) {
  Difference d;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y)) {
        ++d.pixels;
        d.box |= QRect(x, y, 1, 1);
      }
  return d;
}

QImage screen() {
  const QString file = QDir::temp().filePath("vorlund-screen.png");
  QProcess::execute("import", {"-window", "root", file});
  QImage image(file);
  QFile::remove(file);
  return image;
}

const QStringList kPlayedFiles{"names.txt",      "characters.svd",    "graveL.ist",
                               "aapla2.pla",     "adia2.equ",         "face.equ",
                               "last-game.vsim", "previous-game.vsim"};

void copyFiles(const QString& from, const QString& to,
               const std::function<bool(const QString&)>& keep) {
  QDir().mkpath(to);
  const QDir src(from);
  for (const QString& name : src.entryList(QDir::Files)) {
    if (keep && !keep(name)) continue;
    QFile::remove(QDir(to).filePath(name));
    QFile::copy(src.filePath(name), QDir(to).filePath(name));
  }
}

void copyFirstGameFolder(const QString& to) {
  copyFiles(VORLUND_GAME_DIR, to, [](const QString& name) { return !kPlayedFiles.contains(name); });
  copyFiles(VORLUND_DATA_DIR, to,
            [](const QString& name) { return name.endsWith(".txt") && name != "CMakeLists.txt"; });
}

QByteArray bytesOf(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

bool writeFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QString output(const QString& program, const QStringList& args) {
  QProcess p;
  p.start(program, args);
  p.waitForFinished(5000);
  return QString::fromUtf8(p.readAllStandardOutput());
}

SimReplay replayAlone(const QString& recording, const QString& dir, const QString& input) {
  SimReplay r;
  QProcess sim;
  sim.start(VORLUND_SIM, {"--replay", recording, "--dir", dir});
  sim.write(input.toUtf8());
  sim.closeWriteChannel();
  if (!sim.waitForFinished(180000)) return r;
  r.exitCode = sim.exitCode();
  r.errors = QString::fromUtf8(sim.readAllStandardError());
  for (const QString& line : QString::fromUtf8(sim.readAllStandardOutput()).split('\n')) {
    if (line.startsWith("log: ") || line == "-- log cleared") r.log << line;
    if (line.startsWith('{')) r.state = line;
  }
  return r;
}

void expectSameFiles(const QString& a, const QString& b) {
  for (const char* file : {"characters.svd", "graveL.ist", "aapla2.pla", "adia2.equ", "names.txt"})
    EXPECT_TRUE(bytesOf(QDir(a).filePath(file)) == bytesOf(QDir(b).filePath(file)))
        << file << " differs between " << a.toStdString() << " and " << b.toStdString();
}

int runGuiTests(int argc, char** argv, const std::function<void(const QString& dir)>& prepare) {
  QTemporaryDir config;
  QTemporaryDir game;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  prepare(game.path());
  QDir::setCurrent(game.path());
  ArenaView::setDefaultFormat();
  QApplication application(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

}  // namespace vorlund::app::test
