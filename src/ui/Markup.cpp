#include "ui/Markup.h"

#include <QLabel>

#include "ui/u_pubfun.h"

namespace wcthrm::ui {

namespace {

struct Run {
  QChar mark;
  const char* open;
  const char* close;
};
constexpr Run kRuns[] = {{u'$', "<sub>", "</sub>"}, {u'#', "<sup>", "</sup>"}};

const Run* RunOf(QChar c) {
  for (const Run& r : kRuns)
    if (r.mark == c) return &r;
  return nullptr;
}

// Closes the run at position from, or -1.
qsizetype CloseOf(const QString& text, qsizetype from, QChar mark) {
  return text.indexOf(mark, from + 1);
}

}  // namespace

QString MarkupHtml(const QString& markup) {
  const QString runFont = QStringLiteral("<span style=\"font-family:'%1'\">").arg(QString::fromUtf8(kRunFont));
  QString html;
  for (qsizetype i = 0; i < markup.size(); ++i) {
    const QChar c = markup[i];
    if (const Run* run = RunOf(c)) {
      const qsizetype end = CloseOf(markup, i, c);
      if (end > i) {
        // The other mark inside a run is dropped, as the book drops it.
        QString inner = markup.mid(i + 1, end - i - 1);
        for (const Run& r : kRuns) inner.remove(r.mark);
        html += runFont + QString::fromLatin1(run->open) + inner.toHtmlEscaped() +
                QString::fromLatin1(run->close) + QStringLiteral("</span>");
        i = end;
        continue;
      }
      continue;  // an unclosed mark shows nothing
    }
    if (c == u'\n') {
      html += QStringLiteral("<br>");
    } else if (c != u'\r') {
      html += QString(c).toHtmlEscaped();
    }
  }
  return html;
}

QLabel* MarkupLabel(const QString& markup, QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  if (name) label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::RichText);
  label->setText(MarkupHtml(markup));
  return label;
}

QLabel* FormulaPicture(const QString& markup, QWidget* parent, const char* name) {
  QLabel* picture = MarkupLabel(markup, parent, name);
  QFont font = picture->font();
  font.setFamilies({QString::fromUtf8(kRunFont), QString::fromUtf8(kBookFont)});
  font.setPointSize(11);
  picture->setFont(font);
  picture->setFrameShape(QFrame::Box);
  picture->setAutoFillBackground(true);
  QPalette palette = picture->palette();
  palette.setColor(QPalette::Window, Qt::white);
  palette.setColor(QPalette::WindowText, Qt::black);
  picture->setPalette(palette);
  picture->setMargin(4);
  return picture;
}

}  // namespace wcthrm::ui
