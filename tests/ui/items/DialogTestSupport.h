// What the item dialog tests share: the book a pane shows as text with its raised and lowered
// runs, the same for a mark-up book, and the book the command line computes for an item.
#pragma once

#include <QDir>
#include <QString>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <sstream>
#include <string>
#include <vector>

#include "calc/FormCommon.h"
#include "cli/CalcMain.h"
#include "model/Defaults.h"
#include "model/KxItem.h"

namespace wcthrm::ui::test {

// A book as lines of text in which every subscript run is wrapped in "$" and every
// superscript run in "#": the pane's formatting written back as the book's mark-up.
inline std::vector<std::string> PaneBook(const QTextEdit* pane) {
  std::vector<std::string> lines;
  for (QTextBlock b = pane->document()->begin(); b.isValid(); b = b.next()) {
    QString line;
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      const QTextFragment f = it.fragment();
      const auto align = f.charFormat().verticalAlignment();
      const QString mark = align == QTextCharFormat::AlignSubScript     ? QStringLiteral("$")
                           : align == QTextCharFormat::AlignSuperScript ? QStringLiteral("#")
                                                                        : QString();
      line += mark + f.text() + mark;
    }
    lines.push_back(line.toStdString());
  }
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

// The book of tab that wcthrm-calc prints for the item's values, as mark-up lines.
inline std::vector<std::string> CliBook(TKxItem& item, const char* kind, int tab) {
  QTemporaryDir folder;
  const std::string saved = DefaultsFolder();
  SetDefaultsFolder((folder.path() + u'/').toStdString());  // with its separator
  item.SaveDefaultData();
  SetDefaultsFolder(saved);
  std::istringstream in;
  std::ostringstream out, err;
  const std::string path = QDir(folder.path()).filePath(QStringLiteral("update.ini")).toStdString();
  cli::Main({kind, std::to_string(tab), path}, in, out, err);
  std::vector<std::string> lines;
  std::istringstream text(out.str() + err.str());
  for (std::string line; std::getline(text, line);) lines.push_back(line);
  return lines;
}

}  // namespace wcthrm::ui::test
