#include "app/text_windows.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QTextCursor>
#include <QVBoxLayout>

#include "app/fonts.h"
#include "app/key_codes.h"
#include "panels/log_model.h"
#include "panels/names_model.h"
#include "panels/sheet.h"
#include "shell/utf8_text.h"

namespace vorlund::app {

TextWindow::TextWindow(const QString& caption, QWidget* control, TextWindowHooks hooks)
    : control_(control), hooks_(std::move(hooks)) {
  setWindowTitle(caption);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(control_);
  control_->installEventFilter(this);
  if (auto* area = qobject_cast<QAbstractScrollArea*>(control_))
    area->viewport()->installEventFilter(this);
}

bool TextWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const int vk = virtualKey(*key);
    if (hooks_.key && (vk == 27 || (vk >= 112 && vk <= 115))) {
      hooks_.key(vk);
      return true;
    }
    if (hooks_.save && key->key() == Qt::Key_S && key->modifiers() == Qt::ControlModifier) {
      hooks_.save();
      return true;
    }
  }
  if (event->type() == QEvent::ToolTip && hooks_.toolTip) {
    hooks_.toolTip(static_cast<QHelpEvent*>(event)->globalPos());
    return true;
  }
  if (event->type() == QEvent::MouseButtonPress && hooks_.mouseDown) {
    auto* list = qobject_cast<QListWidget*>(control_);
    int row = -1;
    if (list && watched == list->viewport()) {
      const auto* me = static_cast<QMouseEvent*>(event);
      QListWidgetItem* item = list->itemAt(me->position().toPoint());
      row = item ? list->row(item) : -1;
    }
    hooks_.mouseDown(row);
    return true;  // the game decides the selection
  }
  return QWidget::eventFilter(watched, event);
}

void TextWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (hooks_.resized && isVisible()) hooks_.resized(event->size());
}

namespace {

QTextEdit* makeSheetText() {
  auto* text = new QTextEdit;
  text->setReadOnly(true);
  text->setLineWrapMode(QTextEdit::NoWrap);
  text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  text->setFont(courierPixels(11));
  return text;
}

}  // namespace

SheetWindow::SheetWindow(const QString& caption, TextWindowHooks hooks)
    : TextWindow(caption, makeSheetText(), std::move(hooks)) {
  text_ = static_cast<QTextEdit*>(control());
}

void SheetWindow::mirror(const SheetModel& sheet) {
  if (windowTitle() != QString::fromStdString(sheet.caption()))
    setWindowTitle(QString::fromStdString(sheet.caption()));
  if (sheet.revision() == seen_) return;
  seen_ = sheet.revision();
  text_->clear();
  QTextCursor cursor(text_->document());
  for (int l = 0; l < SheetModel::kLines; ++l) {
    const std::string_view line = sheet.lines()[l];
    // One run of characters of the same style at a time; styles count
    // characters, the line holds UTF-8.
    std::size_t pos = 0;
    for (int i = 0; i < SheetModel::kWidth && pos < line.size();) {
      const std::uint8_t style = sheet.styles()[l][i];
      const std::size_t from = pos;
      for (; i < SheetModel::kWidth && pos < line.size() && sheet.styles()[l][i] == style; ++i)
        pos += utf8CharBytes(line, pos);
      QTextCharFormat f;
      f.setFontUnderline(style & kStyleUnderline);
      f.setForeground((style & kStyleRed) ? QBrush(Qt::red) : text_->palette().text());
      cursor.insertText(QString::fromUtf8(line.data() + from, static_cast<qsizetype>(pos - from)),
                        f);
    }
    if (l + 1 < SheetModel::kLines) cursor.insertBlock();
  }
  QTextCursor caret(text_->document());
  caret.setPosition(std::min(sheet.savedSelStart(), text_->document()->characterCount() - 1));
  text_->setTextCursor(caret);
}

ListWindow::ListWindow(const QString& caption, const QFont& font, TextWindowHooks hooks)
    : TextWindow(caption, new QListWidget, std::move(hooks)) {
  list_ = static_cast<QListWidget*>(control());
  list_->setFont(font);
  list_->setUniformItemSizes(true);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
}

void ListWindow::mirror(const NamesModel& names) {
  if (names.revision() == seenRevision_) return;
  seenRevision_ = names.revision();
  list_->clear();
  for (const auto& l : names.lines()) list_->addItem(QString::fromStdString(l));
  if (names.selected() >= 0) {
    list_->setCurrentRow(names.selected());
    list_->scrollToItem(list_->item(names.selected()));
  } else {
    list_->clearSelection();
  }
}

// The Log grows line by line; it is rebuilt only after it was emptied.
void ListWindow::mirror(const LogModel& log) {
  if (log.revision() == seenRevision_) return;
  seenRevision_ = log.revision();
  if (log.clears() != seenClears_) {
    list_->clear();
    seenClears_ = log.clears();
  }
  for (int i = list_->count(); i < static_cast<int>(log.lines().size()); ++i)
    list_->addItem(QString::fromStdString(utf8Repaired(log.lines()[i])));
  if (log.selected() >= 0 && log.selected() < list_->count()) {
    list_->setCurrentRow(log.selected());
    list_->scrollToItem(list_->item(log.selected()));
  }
}

}  // namespace vorlund::app
