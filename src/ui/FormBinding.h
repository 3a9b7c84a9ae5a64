// Copies between a dialog's widgets and its form state, one row per control, so no dialog
// writes that copy by hand. Writing sets only what differs: a numeric edit whose text stays
// keeps its modification flag, and a table keeps its unchanged cells.
#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QTabWidget>
#include <functional>
#include <string>
#include <vector>

#include "calc/Table.h"
#include "ui/KxEdit.h"
#include "ui/KxGrid.h"

namespace wcthrm::ui {

template <class Form>
class FormBinding {
 public:
  void Text(QLineEdit* edit, std::string Form::*field) {
    Add([=](Form& f) { f.*field = edit->text().toStdString(); },
        [=](const Form& f) {
          const QString text = QString::fromStdString(f.*field);
          if (edit->text() != text) edit->setText(text);
        });
  }
  void Grid(KxGrid* grid, calc::Table Form::*field) {
    Add([=](Form& f) { f.*field = grid->Table(); },
        [=](const Form& f) { grid->SetTable(f.*field); });
  }
  void Index(QComboBox* combo, int Form::*field) {
    Add([=](Form& f) { f.*field = combo->currentIndex(); },
        [=](const Form& f) {
          if (combo->currentIndex() != f.*field) combo->setCurrentIndex(f.*field);
        });
  }
  void Checked(QAbstractButton* button, bool Form::*field) {
    Add([=](Form& f) { f.*field = button->isChecked(); },
        [=](const Form& f) {
          if (button->isChecked() != f.*field) button->setChecked(f.*field);
        });
  }
  void Tab(QTabWidget* pages, int Form::*field) {
    Add([=](Form& f) { f.*field = pages->currentIndex(); },
        [=](const Form& f) {
          if (pages->currentIndex() != f.*field) pages->setCurrentIndex(f.*field);
        });
  }
  // Any other control: how its state is read and written.
  void Add(std::function<void(Form&)> read, std::function<void(const Form&)> write) {
    reads_.push_back(std::move(read));
    writes_.push_back(std::move(write));
  }

  void Read(Form& form) const {
    for (const auto& read : reads_) read(form);
  }
  void Write(const Form& form) const {
    for (const auto& write : writes_) write(form);
  }

 private:
  std::vector<std::function<void(Form&)>> reads_;
  std::vector<std::function<void(const Form&)>> writes_;
};

}  // namespace wcthrm::ui
