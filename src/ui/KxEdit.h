// The numeric input of every item dialog: a line edit that lets through only the characters
// of an integer or a real number and, when the user leaves it, normalises the text, may
// reformat it and checks it against its bounds, telling the user the allowed range and
// keeping the focus until the value is acceptable. The panel walks run the same check.
#pragma once

#include <QLineEdit>
#include <QPointer>
#include <QString>

#include "calc/EditDescription.h"

namespace wcthrm::ui {

enum class TNumEditType { EditInt, EditFloat };

class TKxEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit TKxEdit(QWidget* parent = nullptr);

  // The number in the text; a text that is no number is emptied and reads as 0.
  float Numb();
  // The text becomes the general decimal text of the single-precision value.
  void SetNumb(float value);

  int Mydec() const { return mydec_; }
  // 0 or less sets 2; a real edit that formats its decimals pads its text to the new count.
  void SetMydec(int value);

  TNumEditType EditType() const { return editType_; }
  // To real: the text is padded to Mydec decimals; to integer: the text becomes "0".
  void SetEditType(TNumEditType value);

  // Appends "0" until Mydec characters follow the first "."; a text without "." first gets
  // one, an empty text stays empty. Longer fractions are left alone.
  QString PadDecimals(const QString& text) const;

  // The exit handler: runs ExitCheck when IsCheckDataValidatiy is set, else nothing.
  void DoExit();
  // With ShowError: an empty text, "." or a forbidden lone "-" becomes zero, a real number is
  // rewritten with Mydec decimals when FormatNumPoint is set, and the number is checked
  // against the bounds (when they differ): a failure shows the range message, sets
  // CheckFailed and takes the focus back. A text that is no number where one is needed
  // shows "数据非法！" and becomes "0". Raises OnExit except after "数据非法！".
  void ExitCheck();

  // True when the last exit check rejected the text.
  bool CheckFailed() const { return checkFailed_; }

  // The most characters the user can type or paste; the program may set longer texts
  // (a stored number shows in full).
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int value) { maxLength_ = value; }

  bool ShowError = true;               // the exit check normalises and checks the text
  bool SetMaxValue = true;             // the upper bound applies
  bool IncludeUpperLimitValue = true;  // the upper bound itself is allowed
  bool IncludeLowerLimitValue = true;  // the lower bound itself is allowed
  double MaxValue = 0;
  double MinValue = 0;
  // The dialog whose look the range messages take; with none they come as warnings.
  QPointer<QWidget> Skindate;
  bool FormatNumPoint = false;  // on leaving, rewrite a real number with Mydec decimals
  QString Version = QStringLiteral("20070412");
  bool IsCheckDataValidatiy = false;  // the exit handler runs the exit check
  bool CanNegative = false;           // a minus sign may be typed

 signals:
  // The control's exit event: raised at the end of a check that did not meet bad data.
  void OnExit();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  bool AcceptsCharacter(QChar c) const;
  void ExitCheckSteps();
  void ShowRangeMessage(const QString& message);

  int maxLength_ = 8;
  int mydec_ = 2;
  TNumEditType editType_ = TNumEditType::EditFloat;
  bool checkFailed_ = false;
  int messagesShown_ = 0;  // by the exit check, so a focus change can tell it met one
};

// Gives edit every setting of its description: kind, decimals, ends, minus sign, formatting,
// length, and the bounds when the edit applies them itself; the exit check is switched on.
void ConfigureEdit(TKxEdit& edit, const calc::EditSettings& settings);

}  // namespace wcthrm::ui
