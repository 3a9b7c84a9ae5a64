#include "ui/items/U_ConcreteHeat.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <string_view>

#include "ui/Markup.h"
#include "ui/PageLayout.h"
#include "ui/U_ConcreteHeatHint.h"

namespace wcthrm::ui {

namespace ch = calc::concreteheat;

namespace {

template <size_t N>
QComboBox* FixedList(const char* name, const std::array<std::string, N>& items, QWidget* page) {
  auto* combo = new QComboBox(page);
  combo->setObjectName(QString::fromLatin1(name));
  combo->setEditable(false);
  for (const std::string& item : items) combo->addItem(QString::fromStdString(item));
  combo->setFixedWidth(110);
  return combo;
}

}  // namespace

void ConcreteHeatKind::Reload(const Item& item, Form& form) {
  // Values only: the page, the method's picture and the table selection stay as shown.
  Form loaded = ch::Load(item);
  loaded.activeTab = form.activeTab;
  loaded.image4Visible = form.image4Visible;
  loaded.AdvStringGrid1.selection = form.AdvStringGrid1.selection;
  form = loaded;
}

int ConcreteHeatKind::PageHeight(const Form&, int tab) {
  return ch::kPageHeights.at(static_cast<size_t>(tab));
}

Tfrm_ConcreteHeat::Tfrm_ConcreteHeat(QWidget* parent) : FormDialog(parent) {
  tsMaterialHeat = RzPageControl1->AddSheet("tsMaterialHeat", QStringLiteral("材料加热计算"));
  tsTongTemp = RzPageControl1->AddSheet("tsTongTemp", QStringLiteral("砼出厂温度计算"));
  tsBlendTemp = RzPageControl1->AddSheet("tsBlendTemp", QStringLiteral("拌合物温度计算"));
  tsOfftrackTemp = RzPageControl1->AddSheet("tsOfftrackTemp", QStringLiteral("出机温度计算"));
  BuildMaterialHeatPage();
  BuildTongTempPage();
  BuildBlendTempPage();
  BuildOfftrackTempPage();
  PlacePageControl(RzPageControl1);
  resize(760, 600);
}

void Tfrm_ConcreteHeat::PresentMore(const Form& form) {
  Image4->setVisible(form.image4Visible);
  Image5->setVisible(!form.image4Visible);
}

void Tfrm_ConcreteHeat::cbJrfsClick(int index) {
  Apply([index](Form& form) { ch::SelectJrfs(form, index); });
}

void Tfrm_ConcreteHeat::bsSkinButton1Click() { ShowConcreteHeatHint(); }

void Tfrm_ConcreteHeat::BuildMaterialHeatPage() {
  QWidget* page = tsMaterialHeat;
  QGridLayout* grid = PageGrid(page);
  TKxEdit* clbr = MakeEdit("kxedtClbr", page);
  TKxEdit* clmi = MakeEdit("kxedtClmi", page);
  TKxEdit* yll = MakeEdit("kxedtYll", page);
  TKxEdit* jrqclwd = MakeEdit("kxedtJrqclwd", page);
  TKxEdit* bjyxs = MakeEdit("kxedtBjyxs", page);
  TKxEdit* jrhclwd = MakeEdit("kxedtJrhclwd", page);
  TKxEdit* sjlyxs = MakeEdit("kxedtSjlyxs", page);
  SetHint(clbr, QStringLiteral("提示：\n  对水为4.2，对砂子为0.84，对石子为0.92"));
  SetHint(clmi, QStringLiteral("提示：\n  对水取1000，对砂取1500～1600，对石子取2200"));
  SetHint(bjyxs, QStringLiteral("提示：\n  一般取1.2～1.5"));
  SetHint(sjlyxs, QStringLiteral("提示：\n  一般取0.6～0.9"));
  AddRow(grid, 0, 0, QStringLiteral("材料的比热c（kJ/(kg×℃)）："), clbr);
  AddRow(grid, 1, 0, QStringLiteral("材料的密度ρ（kg/m#3#）："), clmi);
  AddRow(grid, 2, 0, QStringLiteral("每小时用料量V（m#3#/h）："), yll);
  AddRow(grid, 3, 0, QStringLiteral("加热前材料温度T$1$（℃）："), jrqclwd);
  AddRow(grid, 0, 3, QStringLiteral("不均衡系数K$1$："), bjyxs);
  AddRow(grid, 1, 3, QStringLiteral("加热后材料温度T$2$（℃）："), jrhclwd);
  AddRow(grid, 2, 3, QStringLiteral("时间利用系数K$2$："), sjlyxs);
  grid->addLayout(
      FormulaBox(page, {FormulaPicture(QStringLiteral("Q = cρV(T$2$ − T$1$)·K$1$/K$2$"), page,
                                       "Image1")}),
      3, 3, 2, 2);
  grid->setColumnStretch(5, 1);
  grid->setRowStretch(4, 1);
  TabChain({clbr, clmi, yll, jrqclwd, bjyxs, jrhclwd, sjlyxs});
}

void Tfrm_ConcreteHeat::BuildTongTempPage() {
  QWidget* page = tsTongTemp;
  QGridLayout* grid = PageGrid(page);
  cbJrfs = FixedList("cbJrfs", ch::kJrfsItems, page);
  cbSnbh = FixedList("cbSnbh", ch::kSnbhItems, page);
  binding_.Index(cbJrfs, &Form::cbJrfs);
  binding_.Index(cbSnbh, &Form::cbSnbh);
  // Only the user's pick changes the picture; the program's own selections do not.
  connect(cbJrfs, &QComboBox::activated, this, [this](int index) {
    RunGuarded([this, index] { cbJrfsClick(index); });
  });
  TKxEdit* wjqw = MakeEdit("kxedtWjqw", page);
  TKxEdit* jrzgwd = MakeEdit("kxedtJrzgwd", page);
  bsSkinButton1 = new QPushButton(QStringLiteral("…"), page);
  bsSkinButton1->setObjectName(QStringLiteral("bsSkinButton1"));
  bsSkinButton1->setFixedSize(24, jrzgwd->sizeHint().height());
  connect(bsSkinButton1, &QPushButton::clicked, this, Guarded([this] { bsSkinButton1Click(); }));

  AddRow(grid, 0, 0, QStringLiteral("加热方式："), cbJrfs);
  AddRow(grid, 1, 0, QStringLiteral("水泥标号："), cbSnbh);
  AddRow(grid, 0, 3, QStringLiteral("外界气温T$i$："), wjqw);
  AddRow(grid, 1, 3, QStringLiteral("水及骨料加热最高温度[T](℃)："), jrzgwd);
  grid->addWidget(bsSkinButton1, 1, 5);
  // Both pictures share one place; the method shown decides which is visible.
  Image4 = FormulaPicture(QStringLiteral("T$h$ ≥ 30 − 0.5T$i$"), page, "Image4");
  Image5 = FormulaPicture(QStringLiteral("T$h$ ≥ 10 − 0.5T$i$"), page, "Image5");
  Image5->hide();
  grid->addLayout(FormulaBox(page, {Image4, Image5}), 2, 0, 1, 2);
  grid->setColumnStretch(6, 1);
  grid->setRowStretch(3, 1);
  TabChain({cbJrfs, cbSnbh, wjqw, jrzgwd, bsSkinButton1});
}

void Tfrm_ConcreteHeat::BuildBlendTempPage() {
  QWidget* page = tsBlendTemp;
  QGridLayout* grid = PageGrid(page);
  grid->setVerticalSpacing(4);
  AdvStringGrid1 = MakeGrid(ch::kGridName, &Form::AdvStringGrid1, {120, 90, 90, 90, 90},
                            ch::kGridRows, ch::kGridRows, false, page);
  AdvStringGrid1->SetRangeSelect(true);
  SetHint(AdvStringGrid1, QStringLiteral("点击单元格，输入数值\n"
                                         "取值限定区间分别为材料用量[0，5000]，材料温度[-50，100]"));
  TKxEdit* cldrb = MakeEdit("kxedtCldrb", page);
  TKxEdit* sdrjr = MakeEdit("kxedtSdrjr", page);
  TKxEdit* szhsl = MakeEdit("kxedtSzhsl", page);
  TKxEdit* hsl = MakeEdit("kxedtHsl", page);
  grid->addWidget(AdvStringGrid1, 0, 0, 1, 5, Qt::AlignLeft);
  AddRow(grid, 1, 0, QStringLiteral("材料的比热c$1$（kJ/(kg×℃)）："), cldrb);
  AddRow(grid, 2, 0, QStringLiteral("冰的溶解热c$2$（kJ/kg）："), sdrjr);
  AddRow(grid, 1, 3, QStringLiteral("砂子含水率ω$sa$（％）："), szhsl);
  AddRow(grid, 2, 3, QStringLiteral("石子含水率ω$g$（％）："), hsl);
  grid->addLayout(
      FormulaBox(page, {FormulaPicture(
                           QStringLiteral("T$0$ = [0.92(m$ce$T$ce$ + m$sa$T$sa$ + m$g$T$g$) + "
                                          "4.2T$w$(m$w$ − ω$sa$m$sa$ − ω$g$m$g$) + "
                                          "c$1$(ω$sa$m$sa$T$sa$ + ω$g$m$g$T$g$) − "
                                          "c$2$(ω$sa$m$sa$ + ω$g$m$g$)]\n"
                                          "/ [4.2m$w$ + 0.92(m$ce$ + m$sa$ + m$g$)]"),
                           page, "Image2")}),
      3, 0, 1, 6);
  grid->setColumnStretch(5, 1);
  grid->setRowStretch(4, 1);
  TabChain({AdvStringGrid1, cldrb, sdrjr, szhsl, hsl});
}

void Tfrm_ConcreteHeat::BuildOfftrackTempPage() {
  QWidget* page = tsOfftrackTemp;
  QGridLayout* grid = PageGrid(page);
  TKxEdit* bhwwd = MakeEdit("kxedtBhwwd", page);
  TKxEdit* bhjpnwd = MakeEdit("kxedtBhjpnwd", page);
  AddRow(grid, 0, 0, QStringLiteral("混凝土拌和物温度T$0$（℃）："), bhwwd);
  AddRow(grid, 0, 3, QStringLiteral("搅拌机棚内温度T$i$（℃）："), bhjpnwd);
  grid->addLayout(
      FormulaBox(page, {FormulaPicture(QStringLiteral("T$1$ = T$0$ − 0.16(T$0$ − T$i$)"), page,
                                       "Image3")}),
      1, 0, 1, 5);
  grid->setColumnStretch(5, 1);
  grid->setRowStretch(2, 1);
  TabChain({bhwwd, bhjpnwd});
}

}  // namespace wcthrm::ui
