#include "ui/items/U_TongTransitIrrigate.h"

#include <QGridLayout>
#include <QLabel>
#include <string_view>

#include "ui/Markup.h"
#include "ui/PageLayout.h"

namespace wcthrm::ui {

namespace tt = calc::tongtransitirrigate;

void TongTransitIrrigateKind::Reload(const Item& item, Form& form) {
  Form loaded = tt::Load(item);
  loaded.activeTab = form.activeTab;
  loaded.advsgTmpOfFinish.selection = form.advsgTmpOfFinish.selection;
  form = loaded;
}

int TongTransitIrrigateKind::PageHeight(const Form&, int tab) {
  return tab == tt::kTransportTab ? 180 : 217;
}

Tfrm_TongTransitIrrigate::Tfrm_TongTransitIrrigate(QWidget* parent) : FormDialog(parent) {
  tsMaterialHeat = RzPageControl1->AddSheet("tsMaterialHeat", QStringLiteral("砼拌和物经运输到浇筑时温度计算"));
  tsTongTemp = RzPageControl1->AddSheet("tsTongTemp", QStringLiteral("砼浇筑成型完成时温度计算"));
  BuildTransportPage();
  BuildPlacingPage();
  PlacePageControl(RzPageControl1);
  resize(680, 560);
}

void Tfrm_TongTransitIrrigate::BuildTransportPage() {
  QWidget* page = tsMaterialHeat;
  QGridLayout* grid = PageGrid(page);
  TKxEdit* cjwd = MakeEdit("kxedtCjwd", page);
  TKxEdit* ysdjzdsj = MakeEdit("kxedtYsdjzdsj", page);
  TKxEdit* hjwd = MakeEdit("kxedtHjwd", page);
  TKxEdit* wdssxs = MakeEdit("kxedtWdssxs", page);
  TKxEdit* yzcs = MakeEdit("kxedtYzcs", page);
  SetHint(wdssxs, QStringLiteral("提示：\n   用混凝土搅拌车运输时，α＝0.25；\n"
                                 "   用开敞式大型自卸汽车时，α＝0.20；\n"
                                 "   用开敞式小型自卸汽车时，α＝0.30；\n"
                                 "   用封闭式自卸汽车时，α＝0.10；\n   用手推车时，α＝0.50"));
  SetHint(yzcs, QStringLiteral("提示：\n  运转一次指混凝土自搅拌机倒入汽车（或灰斗）\n"
                               "  或由汽车倒入溜槽，或由溜槽倒入小车。"));
  AddRow(grid, 0, 0, QStringLiteral("砼拌和物出机温度T$1$（℃）："), cjwd);
  AddRow(grid, 1, 0, QStringLiteral("砼拌和物自运输到\n浇筑时的时间t$1$（h）："), ysdjzdsj);
  AddRow(grid, 2, 0, QStringLiteral("砼拌和物运输时的\n环境温度T$a$（℃）："), hjwd);
  AddRow(grid, 0, 3, QStringLiteral("温度损失系数α（h#-1#）："), wdssxs);
  AddRow(grid, 1, 3, QStringLiteral("砼拌和物运转次数n："), yzcs);
  grid->addLayout(
      FormulaBox(page, {FormulaPicture(
                           QStringLiteral("T$2$ = T$1$ − (t$1$α + 0.032n)(T$1$ − T$a$)"), page,
                           "Image1")}),
      2, 3, 1, 2);
  grid->setColumnStretch(5, 1);
  grid->setRowStretch(3, 1);
  TabChain({cjwd, hjwd, ysdjzdsj, wdssxs, yzcs});
}

void Tfrm_TongTransitIrrigate::BuildPlacingPage() {
  QWidget* page = tsTongTemp;
  QGridLayout* grid = PageGrid(page);
  advsgTmpOfFinish = MakeGrid(tt::kTable, &Form::advsgTmpOfFinish, {160, 150, 150},
                              tt::kTableRows, tt::kTableRows, false, page);
  SetHint(advsgTmpOfFinish, QStringLiteral("提示：\n  比热容输入区间：(0,10]\n"
                                           "  每1m3砼相接触物质量输入区间：(0,5000]\n"
                                           "  温度输入：未预热时可采用当时的环境温度。\n"
                                           "  温度输入区间：[-50,100] "));
  TKxEdit* wendu = MakeEdit("kxedtWendu", page);
  TKxEdit* zhiliang = MakeEdit("kxedtZhiliang", page);
  TKxEdit* hntbrr = MakeEdit("kxedtHntbrr", page);
  SetHint(hntbrr, QStringLiteral("提示，一般取0.84～1.05"));
  grid->addWidget(advsgTmpOfFinish, 0, 0, 1, 5);
  AddRow(grid, 1, 0, QStringLiteral("砼拌和物运输到浇筑\n时温度T$2$（℃）："), wendu);
  AddRow(grid, 1, 3, QStringLiteral("每m#3#混凝土的\n质量m$c$（kg）："), zhiliang);
  AddRow(grid, 2, 0, QStringLiteral("混凝土比热容C$c$\n（kJ/(kg×℃)）："), hntbrr);
  grid->addWidget(
      FormulaPicture(QStringLiteral("T$3$ = (c$c$m$c$T$2$ + c$f$m$f$T$f$ + c$s$m$s$T$s$) / "
                                    "(c$c$m$c$ + c$f$m$f$ + c$s$m$s$)"),
                     page, "Image2"),
      2, 3, 1, 3);
  grid->setColumnStretch(5, 1);
  grid->setRowStretch(3, 1);
  TabChain({advsgTmpOfFinish, wendu, zhiliang, hntbrr});
}

}  // namespace wcthrm::ui
