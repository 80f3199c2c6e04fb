#pragma once
#include <QListWidget>
#include <QTextEdit>
#include <QWidget>
#include <functional>

namespace vorlund {
struct Game;
struct SheetModel;
struct LogModel;
struct NamesModel;
}  // namespace vorlund

namespace vorlund::app {

// Hooks a text window gives back to the application: keys, resizes, clicks.
struct TextWindowHooks {
  std::function<void(int vk)> key;
  std::function<void(QSize inside)> resized;
  std::function<void(int row)> mouseDown;      // row -1: below the last line
  std::function<void()> save;                  // Ctrl+S
  std::function<void(QPoint global)> toolTip;  // the mouse rests on the list
};

// Base of the four text windows: one control filling the window.
class TextWindow : public QWidget {
  Q_OBJECT
 public:
  TextWindow(const QString& caption, QWidget* control, TextWindowHooks hooks);
  QWidget* control() const { return control_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QWidget* control_;
  TextWindowHooks hooks_;
};

// "Us" and "Them": the form in a fixed-pitch rich-text box.
class SheetWindow : public TextWindow {
  Q_OBJECT
 public:
  SheetWindow(const QString& caption, TextWindowHooks hooks);
  void mirror(const SheetModel& sheet);

 private:
  QTextEdit* text_;
  quint64 seen_ = ~0ull;
};

// "Names" and "Log": a list box.
class ListWindow : public TextWindow {
  Q_OBJECT
 public:
  ListWindow(const QString& caption, const QFont& font, TextWindowHooks hooks);
  void mirror(const NamesModel& names);
  void mirror(const LogModel& log);
  QListWidget* list() const { return list_; }

 private:
  QListWidget* list_;
  quint64 seenRevision_ = ~0ull;
  quint64 seenClears_ = ~0ull;
};

}  // namespace vorlund::app
