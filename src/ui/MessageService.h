// The one road to the user's message boxes. Dialogs and edits never open a box themselves:
// they ask the installed service, which is a QMessageBox in the application and a recorder
// that answers from a script in tests and headless runs. Nothing here refers to a dialog, so
// no box can use a component of a dialog that is gone.
#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

class QWidget;

namespace wcthrm::ui {

// The buttons' results, as the callers compare them.
inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;

enum class MessageIcon { Information, Warning };

class IMessageService {
 public:
  virtual ~IMessageService() = default;
  // A modal box with one OK button. parent may be null.
  virtual void Inform(QWidget* parent, const QString& caption, const QString& text,
                      MessageIcon icon) = 0;
  // A modal box with Yes and No and the information icon; kAnswerYes or kAnswerNo.
  virtual int Ask(QWidget* parent, const QString& caption, const QString& text) = 0;
};

// The installed service; QMessageBoxService unless one was installed.
IMessageService& MessageService();

// Installs service (not owned) until the guard goes; guards nest.
class ScopedMessageService {
 public:
  explicit ScopedMessageService(IMessageService& service);
  ~ScopedMessageService();
  ScopedMessageService(const ScopedMessageService&) = delete;
  ScopedMessageService& operator=(const ScopedMessageService&) = delete;

 private:
  IMessageService* previous_;
};

// Real boxes. A null parent means the active modal dialog, else the active window, so the
// box sits over the dialog and takes its look.
class QMessageBoxService : public IMessageService {
 public:
  void Inform(QWidget* parent, const QString& caption, const QString& text,
              MessageIcon icon) override;
  int Ask(QWidget* parent, const QString& caption, const QString& text) override;
};

// Records every box and answers questions from a queue, then with defaultAnswer.
class RecordingMessageService : public IMessageService {
 public:
  struct Entry {
    QString caption;
    QString text;
    MessageIcon icon;
    bool question;
  };

  void Inform(QWidget* parent, const QString& caption, const QString& text,
              MessageIcon icon) override;
  int Ask(QWidget* parent, const QString& caption, const QString& text) override;

  // The texts shown, in order.
  QStringList Texts() const;

  std::vector<Entry> shown;
  std::deque<int> answers;
  int defaultAnswer = kAnswerNo;
};

}  // namespace wcthrm::ui
