#include "ui/MessageService.h"

#include <QApplication>
#include <QMessageBox>

namespace wcthrm::ui {

namespace {

QMessageBoxService g_boxes;
IMessageService* g_service = &g_boxes;

QWidget* BoxParent(QWidget* parent) {
  if (parent) return parent->window();
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return QApplication::activeWindow();
}

}  // namespace

IMessageService& MessageService() { return *g_service; }

ScopedMessageService::ScopedMessageService(IMessageService& service) : previous_(g_service) {
  g_service = &service;
}

ScopedMessageService::~ScopedMessageService() { g_service = previous_; }

void QMessageBoxService::Inform(QWidget* parent, const QString& caption, const QString& text,
                                MessageIcon icon) {
  QMessageBox box(
      icon == MessageIcon::Information ? QMessageBox::Information : QMessageBox::Warning, caption,
      text, QMessageBox::Ok, BoxParent(parent));
  box.exec();
}

int QMessageBoxService::Ask(QWidget* parent, const QString& caption, const QString& text) {
  QMessageBox box(QMessageBox::Information, caption, text, QMessageBox::Yes | QMessageBox::No,
                  BoxParent(parent));
  return box.exec() == QMessageBox::Yes ? kAnswerYes : kAnswerNo;
}

void RecordingMessageService::Inform(QWidget*, const QString& caption, const QString& text,
                                     MessageIcon icon) {
  shown.push_back({caption, text, icon, false});
}

int RecordingMessageService::Ask(QWidget*, const QString& caption, const QString& text) {
  shown.push_back({caption, text, MessageIcon::Information, true});
  if (answers.empty()) return defaultAnswer;
  int answer = answers.front();
  answers.pop_front();
  return answer;
}

QStringList RecordingMessageService::Texts() const {
  QStringList texts;
  for (const Entry& e : shown) texts << e.text;
  return texts;
}

}  // namespace wcthrm::ui
