// What every item dialog uses to write its calculation book into a rich-text pane, to copy a
// finished book between panes, to show its two kinds of message box and to look up combo
// items. The number texts (NumberText, RoundToStr, IntToText, IsNumberText) are the
// module's own, from NumberText.h.
#pragma once

#include <QString>
#include <QTextCharFormat>
#include <cstdint>
#include <vector>

#include "calc/FormCommon.h"
#include "ui/MessageService.h"
#include "support/NumberText.h"

class QComboBox;
class QLineEdit;
class QTextEdit;

namespace wcthrm::ui {

inline constexpr const char* kRunFont = "Times New Roman";
inline constexpr const char* kBookFont = "宋体";
// The style of every line the item dialogs write.
inline constexpr int kBookLineStyle = 3;

// One mark-up run of a book line: "$…$" subscript (kind 1), "#…#" superscript (kind 2).
struct TextStyle {
  int32_t start = 0;   // position in the pane's text
  int32_t length = 0;  // characters
  uint8_t kind = 0;
  QString font;
  bool operator==(const TextStyle&) const = default;
};
using TextStyles = std::vector<TextStyle>;

// The closed runs of mark in text, positions counted from base in the text as shown (with
// neither mark). The other mark is ignored; an unclosed run is not recorded.
TextStyles ScanRuns(const QString& text, QChar mark, int32_t base);

// Appends text as a new line in the given style (0-7), its runs formatted.
void WriteBookLine(QTextEdit* pane, const QString& text, int style);

// The 宋体 face with no font styles, then the size, colour and weight of style; a style
// outside 0-7 changes only the face and font styles. The sub/superscript state is kept.
void SetBookStyle(QTextCharFormat& attributes, uint8_t style);

// Appends text as a new line in the insertion point's format, then formats its runs. The
// caret ends after the line, in normal position, with nothing selected.
void AppendMarkedLine(QTextEdit* pane, const QString& text);

// The edit's number times factor, rounded to two decimals; ConversionError when the text is
// not a number.
QString EditValueText(const QLineEdit* control, double factor);

// Copies source's whole formatted content into target at target's selection and leaves no
// selection. The system clipboard is not used.
void PasteEditText(const QTextEdit* source, QTextEdit* target);

// The information box with caption "提示信息".
void ShowInfo(const QString& message);

// The Yes/No box with caption "请选择下一步操作"; kAnswerYes (6) or kAnswerNo (7).
int AskChoice(const QString& question);

// Index of the first item equal to text, both trimmed of blanks and control characters; -1.
int ComboIndexOf(const QString& text, const QComboBox* combo);

// text without the blanks and control characters (code points up to 32) at either end.
QString TrimControls(const QString& text);

// Activates the tab pages that hold w, so it can be seen and take the focus.
void BringIntoView(QWidget* w);

// Shows a check's fault: the edit it names is focused with its text selected, or the cell it
// names becomes the table's current and only selected cell, on its tab; then the message.
void ReportFault(QWidget* dialog, const calc::Fault& fault);

// Brings edit into view (activating the tab pages that hold it), focuses it, selects its
// text and shows message with ShowInfo: how every input check reports a bad edit.
void ReportBadEdit(QLineEdit* edit, const QString& message);

}  // namespace wcthrm::ui
