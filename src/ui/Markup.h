// Labels and formula pictures take the book's own mark-up: "$…$" is a subscript run and
// "#…#" a superscript run, set in the run font as the book sets them. One converter turns
// mark-up into the rich text a QLabel shows, so a label and the book cannot write a symbol
// two ways, and no formula is an image file.
#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace wcthrm::ui {

// HTML of one mark-up text: text escaped, runs as <sub>/<sup> in the run font, line breaks
// as <br>. An unclosed run is set as plain text, as the book leaves it.
QString MarkupHtml(const QString& markup);

// A label showing markup as rich text; name may be null.
QLabel* MarkupLabel(const QString& markup, QWidget* parent, const char* name = nullptr);

// The "计算公式：" picture: the formula in mark-up, a little larger than the labels, on a
// white ground with a thin frame, as a picture of a formula looks on the page.
QLabel* FormulaPicture(const QString& markup, QWidget* parent, const char* name);

}  // namespace wcthrm::ui
