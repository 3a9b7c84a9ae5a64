#include "ui/items/U_ConcreteConserve.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include "ui/KxGrid.h"
#include "ui/Markup.h"
#include "ui/PageLayout.h"
#include "ui/RowMenu.h"

namespace wcthrm::ui {

namespace cc = calc::concreteconserve;

Tfrm_ConcreteConserve::Tfrm_ConcreteConserve(QWidget* parent) : FormDialog(parent) {
  tsAverageTemp = RzPageControl1->AddSheet("tsAverageTemp", QStringLiteral("混凝土平均温度计算"));
  tsTimeTemp = RzPageControl1->AddSheet("tsTimeTemp", QStringLiteral("混凝土当量时间和温度计算"));
  PopupMenu1 = new RowMenu(this, "PopupMenu1", "NAdd2", "NDlt2");
  BuildAverageTempPage();
  BuildTimeTempPage();
  connect(PopupMenu1->Add, &QAction::triggered, this,
          Guarded([this] { Apply(&cc::NAdd2Click); }));
  connect(PopupMenu1->Delete, &QAction::triggered, this,
          Guarded([this] { Apply(&cc::NDlt2Click); }));
  PlacePageControl(RzPageControl1);
  resize(820, 600);
}

KxGrid* Tfrm_ConcreteConserve::Grid(const char* name, calc::Table Form::*field,
                                    const std::vector<int>& widths, QWidget* parent) {
  KxGrid* grid = MakeGrid(name, field, widths, 3, 8, true, parent);
  grid->SetRangeSelect(true);
  PopupMenu1->AttachTo(grid);
  return grid;
}

void Tfrm_ConcreteConserve::BuildAverageTempPage() {
  QWidget* page = tsAverageTemp;
  auto* grid = new QGridLayout(page);
  grid->setContentsMargins(12, 10, 12, 8);
  grid->setHorizontalSpacing(8);
  TKxEdit* temp = MakeEdit("kxedtTemp", page);
  TKxEdit* interval = MakeEdit("kxedtInterval", page);
  TKxEdit* times = MakeEdit("kxedtTimes", page);
  // Raised after the edit's own exit check, so only a text it let pass sizes the table.
  connect(times, &TKxEdit::OnExit, this, Guarded([this] { Apply(&cc::KxedtTimesExit); }));
  advsgTemp = Grid("advsgTemp", &Form::advsgTemp, {100, 350}, page);
  AttachCellEditors(advsgTemp);

  AddRow(grid, 0, 0, QStringLiteral("混凝土成型完成时温度T$3$（℃）："), temp);
  AddRow(grid, 1, 0, QStringLiteral("测温间隔（h或d）："), interval);
  AddRow(grid, 2, 0, QStringLiteral("测温次数n："), times);
  grid->addWidget(new QLabel(QStringLiteral("计算公式："), page), 3, 0, 1, 2);
  grid->addWidget(
      FormulaPicture(QStringLiteral("T$p$ = (0.5T$3$ + t$1$ + t$2$ + …… + 0.5t$n$)/n"), page,
                     "Image1"),
      4, 0, 1, 2, Qt::AlignLeft | Qt::AlignTop);
  grid->addWidget(advsgTemp, 0, 3, 6, 1);
  grid->setColumnMinimumWidth(2, 16);
  grid->setColumnStretch(4, 1);
  grid->setRowStretch(5, 1);
  TabChain({temp, interval, times, advsgTemp});
}

void Tfrm_ConcreteConserve::BuildTimeTempPage() {
  QWidget* page = tsTimeTemp;
  auto* grid = new QGridLayout(page);
  grid->setContentsMargins(12, 10, 12, 8);
  grid->setHorizontalSpacing(8);

  RadioGroup1 = new QGroupBox(page);
  RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
  auto* radios = new QGridLayout(RadioGroup1);
  radioButtons_ = new QButtonGroup(RadioGroup1);
  const QString captions[] = {QStringLiteral("混凝土养护硬化当量时间计算"),
                              QStringLiteral("混凝土养护硬化当量温度计算")};
  for (int i = 0; i < 2; ++i) {
    auto* button = new QRadioButton(captions[i], RadioGroup1);
    radioButtons_->addButton(button, i);
    radios->addWidget(button, 0, i);
  }
  binding_.Add([this](Form& f) { f.RadioGroup1 = radioButtons_->checkedId(); },
               [this](const Form& f) {
                 if (QAbstractButton* b = radioButtons_->button(f.RadioGroup1)) b->setChecked(true);
               });
  // RadioGroup1Click: the visible edit follows the choice.
  connect(radioButtons_, &QButtonGroup::idClicked, this, Guarded([this] { Apply([](Form&) {}); }));

  kxedtDlsj_ = MakeEdit("kxedtDlsj", page);
  kxedtDlwd_ = MakeEdit("kxedtDlwd", page);
  dlsjLabel_ = MarkupLabel(QStringLiteral("当量时间t$do$（h或d）："), page);
  dlwdLabel_ = MarkupLabel(QStringLiteral("当量温度T$do$（℃）："), page);
  advsgTemp2 = Grid("advsgTemp2", &Form::advsgTemp2, {100, 180, 180}, page);
  AttachCellEditors(advsgTemp2);

  grid->addWidget(RadioGroup1, 0, 0, 1, 2);
  // Both pairs share one place; only the one the choice asks for is shown.
  grid->addWidget(dlsjLabel_, 1, 0);
  grid->addWidget(kxedtDlsj_, 1, 1, Qt::AlignLeft);
  grid->addWidget(dlwdLabel_, 1, 0);
  grid->addWidget(kxedtDlwd_, 1, 1, Qt::AlignLeft);
  grid->addWidget(new QLabel(QStringLiteral("计算公式："), page), 2, 0, 1, 2);
  grid->addWidget(FormulaPicture(QStringLiteral("t$do$ = ΣT$p$·t / T$do$"), page, "Image2"), 3, 0,
                  1, 2, Qt::AlignLeft | Qt::AlignTop);
  grid->addWidget(advsgTemp2, 0, 3, 5, 1);
  grid->setColumnMinimumWidth(2, 16);
  grid->setColumnStretch(4, 1);
  grid->setRowStretch(4, 1);
  TabChain({RadioGroup1, kxedtDlsj_, kxedtDlwd_, advsgTemp2});
}

void Tfrm_ConcreteConserve::PresentMore(const Form& form) {
  const bool time = form.RadioGroup1 == 0;
  dlwdLabel_->setVisible(time);
  kxedtDlwd_->setVisible(time);
  dlsjLabel_->setVisible(!time);
  kxedtDlsj_->setVisible(!time);
}

}  // namespace wcthrm::ui
