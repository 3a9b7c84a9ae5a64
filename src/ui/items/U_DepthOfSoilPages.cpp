// The four pages of the freezing depth dialog, one builder per tab.
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>

#include "ui/Markup.h"
#include "ui/items/U_DepthOfSoil.h"

namespace wcthrm::ui {

namespace ds = calc::depthofsoil;

namespace {

QRadioButton* RadioButton(const char* name, const QString& caption, QWidget* parent) {
  auto* button = new QRadioButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

// A pair of radio buttons in one row; each pair is its own exclusive group.
QHBoxLayout* RadioRow(QRadioButton* first, QRadioButton* second) {
  auto* group = new QButtonGroup(first);
  group->addButton(first);
  group->addButton(second);
  auto* row = new QHBoxLayout;
  row->addWidget(first);
  row->addSpacing(24);
  row->addWidget(second);
  row->addStretch(1);
  return row;
}

QGroupBox* GroupBox(const char* name, QWidget* parent) {
  auto* box = new QGroupBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  return box;
}

QLabel* Label(const QString& markup, QWidget* parent) { return MarkupLabel(markup, parent); }

}  // namespace

void Tfrm_DepthOfSoil::BuildNoHeatSoilPage() {
  QWidget* page = tsNoHeatSoil;
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(12, 6, 12, 6);
  rbNoHeatSoil = RadioButton("rbNoHeatSoil", QStringLiteral("无保温的土壤冻结深度"), page);
  rbBzdjsd = RadioButton("rbBzdjsd", QStringLiteral("地表面无雪和草皮覆盖条件下的全年标准冻结深度"),
                         page);
  layout->addLayout(RadioRow(rbNoHeatSoil, rbBzdjsd));
  Radio(rbNoHeatSoil, &Form::rbNoHeatSoil, &Tfrm_DepthOfSoil::rbNoHeatSoilClick);
  Radio(rbBzdjsd, &Form::rbBzdjsd, &Tfrm_DepthOfSoil::rbBzdjsdClick);

  GroupBox1 = GroupBox("GroupBox1", page);
  auto* g1 = new QGridLayout(GroupBox1);
  g1->setContentsMargins(8, 6, 8, 6);
  g1->addWidget(DayTable(0, GroupBox1), 0, 0, 4, 1);
  g1->addLayout(AutoCalRow(0, GroupBox1), 0, 2, 1, 2);
  TKxEdit* djxs = MakeEdit("kxedtDjxs", GroupBox1);
  SetHint(djxs, QStringLiteral("提示：\n  对粘土、粉质粘土取2.5，对粉砂、细砂取3.0"));
  g1->addWidget(Label(QStringLiteral("冻结系数A："), GroupBox1), 1, 2);
  g1->addWidget(djxs, 1, 3, Qt::AlignLeft);
  g1->addWidget(Label(QStringLiteral("计算公式："), GroupBox1), 2, 2);
  g1->addWidget(FormulaPicture(QStringLiteral("H = A(√P + 0.018P) ; P = ΣTt"), GroupBox1, "Image1"),
                3, 2, 1, 2, Qt::AlignLeft | Qt::AlignTop);
  g1->setColumnMinimumWidth(1, 16);
  g1->setColumnStretch(4, 1);
  layout->addWidget(GroupBox1);

  GroupBox2 = GroupBox("GroupBox2", page);
  auto* g2 = new QGridLayout(GroupBox2);
  g2->setContentsMargins(8, 6, 8, 6);
  g2->addWidget(Label(QStringLiteral("低于0℃的月平均气温累计值∑Tm（℃）："), GroupBox2), 0, 0);
  g2->addWidget(MakeEdit("kxedtSumTemp", GroupBox2), 0, 1);
  g2->addWidget(Label(QStringLiteral("计算公式："), GroupBox2), 0, 3);
  g2->addWidget(FormulaPicture(QStringLiteral("H = 100(0.28√(ΣT$m$ + 7) − 0.5)"), GroupBox2,
                               "Image2"),
                0, 4);
  g2->setColumnMinimumWidth(2, 24);
  g2->setColumnStretch(5, 1);
  layout->addWidget(GroupBox2);
  layout->addStretch(1);
}

void Tfrm_DepthOfSoil::BuildSdbwtrPage() {
  QWidget* page = tsSdbwtr;
  auto* grid = new QGridLayout(page);
  grid->setContentsMargins(12, 6, 12, 6);
  grid->addLayout(AutoCalRow(1, page), 0, 0);
  RadioButton1 = RadioButton("RadioButton1", QStringLiteral("松土保温土壤冻结深度"), page);
  RadioButton2 =
      RadioButton("RadioButton2", QStringLiteral("土壤翻松耙平深度为20～30cm时的土壤冻结深度"), page);
  grid->addLayout(RadioRow(RadioButton1, RadioButton2), 0, 2);
  Radio(RadioButton1, &Form::RadioButton1, nullptr);
  Radio(RadioButton2, &Form::RadioButton2, nullptr);
  grid->addWidget(DayTable(1, page), 1, 0, Qt::AlignTop);

  GroupBox3 = GroupBox("GroupBox3", page);
  auto* g3 = new QGridLayout(GroupBox3);
  g3->addWidget(Label(QStringLiteral("冻结系数A："), GroupBox3), 0, 0);
  g3->addWidget(MakeEdit("kxedtDjxs2", GroupBox3), 0, 1);
  g3->addWidget(HintButton("bsSkinButton1", 1, GroupBox3), 0, 2);
  g3->addWidget(FormulaPicture(QStringLiteral("H = A(√P + 0.018P) ; P = ΣTt"), GroupBox3, "Image3"),
                1, 0, 1, 4, Qt::AlignLeft);
  g3->setColumnStretch(3, 1);
  g3->setRowStretch(2, 1);
  grid->addWidget(GroupBox3, 1, 2);

  GroupBox4 = GroupBox("GroupBox4", page);
  auto* g4 = new QGridLayout(GroupBox4);
  g4->addWidget(Label(QStringLiteral("防冻计算系数α："), GroupBox4), 0, 0);
  g4->addWidget(MakeEdit("kxedtFdjsxs", GroupBox4), 0, 1);
  g4->addWidget(HintButton("bsSkinButton2", 2, GroupBox4), 0, 2);
  g4->addWidget(FormulaPicture(QStringLiteral("H = α(0.004P − P#2#×10#-6#), P = ΣtT"), GroupBox4,
                               "Image4"),
                1, 0, 1, 4, Qt::AlignLeft);
  g4->setColumnStretch(3, 1);
  g4->setRowStretch(2, 1);
  grid->addWidget(GroupBox4, 1, 2);
  grid->setColumnMinimumWidth(1, 12);
  grid->setColumnStretch(3, 1);
  grid->setRowStretch(2, 1);
}

void Tfrm_DepthOfSoil::BuildFxbwtrPage() {
  QWidget* page = tsFxbwtr;
  auto* grid = new QGridLayout(page);
  grid->setContentsMargins(12, 6, 12, 6);
  grid->addLayout(AutoCalRow(2, page), 0, 0);
  RadioButton3 = RadioButton("RadioButton3", QStringLiteral("冻结深度计算"), page);
  RadioButton4 = RadioButton("RadioButton4", QStringLiteral("覆盖厚度计算"), page);
  grid->addLayout(RadioRow(RadioButton3, RadioButton4), 0, 2, 1, 3);
  Radio(RadioButton3, &Form::RadioButton3, nullptr);
  Radio(RadioButton4, &Form::RadioButton4, nullptr);
  grid->addWidget(DayTable(2, page), 1, 0, 4, 1, Qt::AlignTop);

  grid->addWidget(Label(QStringLiteral("雪的平均热导系数λ："), page), 1, 2);
  grid->addWidget(MakeEdit("kxedtXdpjrdxs", page), 1, 3);
  lblXdpjfgxs = Label(QStringLiteral("雪的平均覆盖厚度\nh$SH$  (cm)："), page);
  kxedtXdpjfgxs = MakeEdit("kxedtXdpjfgxs", page);
  grid->addWidget(lblXdpjfgxs, 2, 2);
  grid->addWidget(kxedtXdpjfgxs, 2, 3);
  grid->addWidget(Label(QStringLiteral("各种材料对土壤冻结\n影响系数β："), page), 3, 2);
  grid->addWidget(MakeEdit("kxedtYxxs", page), 3, 3);
  grid->addWidget(HintButton("bsSkinButton3", 3, page), 3, 4);
  grid->addWidget(
      FormulaPicture(QStringLiteral("H = 60(0.004P − P#2#×10#-6#)/β − λh$SH$, P = ΣtT"), page,
                     "Image5"),
      4, 2, 1, 4, Qt::AlignLeft | Qt::AlignTop);
  grid->setColumnMinimumWidth(1, 12);
  grid->setColumnStretch(5, 1);
  grid->setRowStretch(5, 1);
}

void Tfrm_DepthOfSoil::BuildFgbwtrPage() {
  QWidget* page = tsFgbwtr;
  auto* grid = new QGridLayout(page);
  grid->setContentsMargins(12, 6, 12, 6);
  grid->addLayout(AutoCalRow(3, page), 0, 0);
  grid->addWidget(DayTable(3, page), 1, 0);
  BuildLayerTable(page);
  grid->addWidget(advsgFgbwtr2, 1, 2);
  grid->addWidget(
      FormulaPicture(QStringLiteral("H = 60(0.004P − 10#-6#P#2#), P = ΣTt, "
                                    "H = h$1$β$1$ + h$2$β$2$ + …… + h$i$β$i$"),
                     page, "Image6"),
      2, 0, 1, 3, Qt::AlignLeft);
  grid->setColumnMinimumWidth(1, 12);
  grid->setColumnStretch(3, 1);
  grid->setRowStretch(3, 1);
}

}  // namespace wcthrm::ui
