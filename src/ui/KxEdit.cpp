#include "ui/KxEdit.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QValidator>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "calc/EditDescription.h"
#include "support/Errors.h"
#include "ui/Guarded.h"
#include "ui/MessageService.h"
#include "ui/u_pubfun.h"
#include "support/NumberText.h"

namespace wcthrm::ui {

namespace {

// Set while a failed check puts the focus back, so the control that loses it then is not
// checked in turn (two bad edits would otherwise hand the focus to and fro for ever).
bool g_restoringFocus = false;

std::string Std(const QString& text) { return text.toStdString(); }

double ParseReal(const QString& text) { return StrToFloat(Std(text)); }

// value rounded to n decimals as RoundToStr does it, as a number.
double RoundedTo(int n, double value) { return StrToFloat(RoundToStr(n, value)); }

int64_t Truncated(double value) {
  if (!(std::fabs(value) < 9.2e18)) throw RangeError("bound out of the integer range");
  return static_cast<int64_t>(value);
}

// Limits what the user adds, never what the program sets: QLineEdit's own maximum length
// would also cut a longer text set by the program, and would keep the user from shortening it.
class LengthLimit : public QValidator {
 public:
  explicit LengthLimit(TKxEdit* edit) : QValidator(edit), edit_(edit), shown_(edit->text().size()) {
    connect(edit, &QLineEdit::textChanged, this, [this](const QString& t) { shown_ = t.size(); });
  }
  State validate(QString& input, int&) const override {
    return input.size() > edit_->MaxLength() && input.size() > shown_ ? Invalid : Acceptable;
  }

 private:
  const TKxEdit* edit_;
  qsizetype shown_;
};

// Eats the mouse press that is being delivered (the focus changes before a press arrives),
// then goes; it goes as well when no press follows, once the current event is handled.
class PendingPressEater : public QObject {
 public:
  PendingPressEater() : QObject(QCoreApplication::instance()) { deleteLater(); }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick)
      return false;
    QCoreApplication::instance()->removeEventFilter(this);
    return true;
  }
};

}  // namespace

TKxEdit::TKxEdit(QWidget* parent) : QLineEdit(parent) {
  setText(QStringLiteral("0.00"));
  setValidator(new LengthLimit(this));
}

float TKxEdit::Numb() {
  const std::string t = Std(text());
  if (editType_ == TNumEditType::EditInt) {
    if (auto v = ParseInt(t)) return static_cast<float>(*v);
  } else if (auto v = ParseDecimal(t); v && std::fabs(*v) <= std::numeric_limits<float>::max()) {
    return static_cast<float>(*v);
  }
  setText(QString());
  return 0;
}

void TKxEdit::SetNumb(float value) {
  setText(QString::fromStdString(NumberText(static_cast<double>(value))));
}

void TKxEdit::SetMydec(int value) {
  if (value <= 0) {
    mydec_ = 2;
    return;
  }
  mydec_ = value;
  if (editType_ == TNumEditType::EditFloat && FormatNumPoint) setText(PadDecimals(TrimControls(text())));
}

void TKxEdit::SetEditType(TNumEditType value) {
  if (value == editType_) return;
  editType_ = value;
  if (value == TNumEditType::EditFloat) {
    setText(PadDecimals(TrimControls(text())));
  } else {
    setText(QStringLiteral("0"));
  }
}

QString TKxEdit::PadDecimals(const QString& text) const {
  if (text.isEmpty()) return text;
  QString padded = text;
  qsizetype point = padded.indexOf(u'.');
  if (point < 0) {
    point = padded.size();
    padded += u'.';
  }
  const qsizetype missing = mydec_ - (padded.size() - point - 1);
  if (missing > 0) padded += QString(missing, u'0');
  return padded;
}

bool TKxEdit::AcceptsCharacter(QChar c) const {
  if (c == u'\b' || c == u'\r' || (c >= u'0' && c <= u'9')) return true;
  if (c == u'-') return CanNegative;
  // "." is the decimal separator whatever the locale, as in every conversion of the module.
  if (c == u'.') return editType_ == TNumEditType::EditFloat && !text().contains(u'.');
  return false;
}

void TKxEdit::keyPressEvent(QKeyEvent* event) {
  const QString typed = event->text();
  // Keys that type no character (arrows, Home, ...) edit as usual; so does Delete, which
  // some platforms report with the character 127.
  if (typed.isEmpty() || typed == QStringLiteral("\x7f")) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  for (QChar c : typed) {
    if (!AcceptsCharacter(c)) {
      // A dropped control key (Escape) still reaches the dialog; a dropped character not.
      if (c.unicode() < 32) {
        event->ignore();
      } else {
        event->accept();
      }
      return;
    }
  }
  if (typed == QStringLiteral("-") && !text().isEmpty()) clear();
  QLineEdit::keyPressEvent(event);
}

void TKxEdit::inputMethodEvent(QInputMethodEvent* event) {
  const QString committed = event->commitString();
  if (committed.isEmpty()) {
    QLineEdit::inputMethodEvent(event);
    return;
  }
  // An input method's characters are typed too: each passes the key filter (a Chinese
  // input method commits "。" or "５", which no number holds).
  QInputMethodEvent composing(event->preeditString(), event->attributes());
  QLineEdit::inputMethodEvent(&composing);
  for (QChar c : committed) {
    if (c.unicode() < 32 || !AcceptsCharacter(c)) continue;
    if (c == u'-' && !text().isEmpty()) clear();
    insert(QString(c));
  }
  event->accept();
}

void TKxEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  // Only a move of the focus inside the window leaves the control; a message box or another
  // window taking the activation does not.
  if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
    return;
  if (g_restoringFocus) return;
  const int messagesBefore = messagesShown_;
  RunGuarded([this] { DoExit(); });
  // A click whose focus change met a message does nothing more, as a modal box cancels the
  // click it interrupts: the user reads the message, not the button's action.
  if (event->reason() == Qt::MouseFocusReason && messagesShown_ != messagesBefore)
    QCoreApplication::instance()->installEventFilter(new PendingPressEater());
}

void TKxEdit::DoExit() {
  if (IsCheckDataValidatiy) ExitCheck();
}

void TKxEdit::ExitCheck() {
  try {
    ExitCheckSteps();
  } catch (const std::exception&) {
    ++messagesShown_;
    MessageService().Inform(this, QStringLiteral("提示信息"), QStringLiteral("数据非法！"),
                            MessageIcon::Warning);
    checkFailed_ = true;
    setText(QStringLiteral("0"));
    return;
  }
  emit OnExit();
}

void TKxEdit::ExitCheckSteps() {
  if (!ShowError) return;
  const bool real = editType_ == TNumEditType::EditFloat;

  const QString t = TrimControls(text());
  if (t.isEmpty() || t == u"." || (!CanNegative && t == u"-"))
    setText(real ? QStringLiteral("0.0") : QStringLiteral("0"));

  if (real && FormatNumPoint) setText(QString::fromStdString(FixedText(ParseReal(text()), mydec_, 9)));

  if (MinValue == MaxValue) return;
  checkFailed_ = false;
  bool above = false, below = false;
  if (real) {
    const double v = RoundedTo(mydec_, ParseReal(text()));
    const double lo = RoundedTo(mydec_, MinValue), hi = RoundedTo(mydec_, MaxValue);
    above = IncludeUpperLimitValue ? v > hi : v >= hi;
    below = SetMaxValue && IncludeLowerLimitValue ? v < lo : v <= lo;
  } else {
    const int64_t v = StrToInt(Std(text()));
    const int64_t lo = Truncated(MinValue), hi = Truncated(MaxValue);
    above = IncludeUpperLimitValue ? v > hi : v >= hi;
    below = SetMaxValue && IncludeLowerLimitValue ? v < lo : v <= lo;
  }

  QString message;
  if ((!SetMaxValue && below) || (SetMaxValue && (above || below))) {
    calc::EditSettings settings;
    settings.lower = {MinValue, IncludeLowerLimitValue};
    settings.upper = {MaxValue, IncludeUpperLimitValue};
    settings.integer = !real;
    settings.decimals = mydec_;
    settings.upperApplies = SetMaxValue;
    message = QString::fromStdString(calc::RangeMessage(settings));
  }
  if (message.isEmpty()) return;

  ShowRangeMessage(message);
  checkFailed_ = true;
  g_restoringFocus = true;
  setFocus();
  g_restoringFocus = false;
  selectAll();
}

void TKxEdit::ShowRangeMessage(const QString& message) {
  ++messagesShown_;
  MessageService().Inform(this, QStringLiteral("提示信息"), message,
                          Skindate ? MessageIcon::Information : MessageIcon::Warning);
}

void ConfigureEdit(TKxEdit& edit, const calc::EditSettings& s) {
  edit.SetEditType(s.integer ? TNumEditType::EditInt : TNumEditType::EditFloat);
  edit.SetMydec(s.decimals);
  edit.CanNegative = s.negative;
  edit.FormatNumPoint = s.formatted;
  edit.SetMaxValue = s.upperApplies;
  edit.IncludeLowerLimitValue = s.lower.included;
  edit.IncludeUpperLimitValue = s.upper.included;
  edit.MinValue = s.boundsOnEdit ? s.lower.value : 0;
  edit.MaxValue = s.boundsOnEdit ? s.upper.value : 0;
  edit.SetMaxLength(s.maxLength);
  edit.IsCheckDataValidatiy = true;
}

}  // namespace wcthrm::ui
