// Items as a site engineer fills them in, one per kind, every tab of each computable: what
// the dialog tests open and the screenshots show.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "model/U_Class_ConcreteConserve.h"
#include "model/U_Class_ConcreteHeat.h"
#include "model/U_Class_DepthOfSoil.h"
#include "model/U_Class_TongTransitIrrigate.h"
#include "support/Gbk.h"

namespace wcthrm::ui::test {

// UTF-8 texts as the items hold them, in GBK.
inline std::vector<std::string> GbkList(std::initializer_list<const char*> texts) {
  std::vector<std::string> out;
  for (const char* t : texts) out.push_back(ToGbk(t));
  return out;
}

// Water heated for a mix at −10 ℃ outside, 蓄热法, cement grade ≥525.
inline void FillExample(TConcreteHeat& item) {
  item.Clbr = 4.2;
  item.Clmi = 1000;
  item.Yll = 1;
  item.Jrqclwd = -5;
  item.Bjyxs = 1.2;
  item.Jrhclwd = 20;
  item.Sjlyxs = 0.8;
  item.Jrfs = ToGbk("蓄热法");
  item.Snbh = ToGbk("≥525");
  item.Wjqw = -10;
  item.Jrzgwd = 35;
  item.mw = "150";
  item.mce = "300";
  item.msa = "600";
  item.mg = "1300";
  item.Tw = "80";
  item.Tce = "5";
  item.Tsa = "-5";
  item.Tg = "-5";
  item.Cldrb = 2.1;
  item.Sdrjr = 335;
  item.Szhsl = 3;
  item.Hsl = 1;
  item.Bhwwd = 20;
  item.Bhjpnwd = -10;
}

// Three readings every two hours after placing at 20 ℃, two curing periods, equivalent time.
inline void FillExample(TConcreteConserve& item) {
  item.MyTemp = 20;
  item.MyInterval = 2;
  item.MyTimes = 3;
  item.slPjwd = GbkList({"18", "16.5", "15"});
  item.CalTime = true;
  item.Dlwd = 20;
  item.Dlsj = 100;
  item.MyTimes2 = 2;
  item.slDlwdsj = GbkList({"20", "24", "10", "48"});
}

// Two freezing spells (30 d at 5.5 ℃, 20 d at 10 ℃) on every tab; the second layer unknown.
inline void FillExample(TDepthOfSoil& item) {
  item.Count1 = item.Count2 = item.Count3 = item.Count4 = 2;
  item.slOneNoHeatSoil = item.slTwoNoHeatSoil = item.slThreeNoHeatSoil = item.slFourNoHeatSoil =
      GbkList({"30", "5.5", "20", "10"});
  item.Djxs1 = 2.5;
  item.SumTemp = 20;
  item.Djxs2 = 3;
  item.Fdjsxs = 20;
  item.Xdpjrdxs = 0.5;
  item.Xdpjfgxs = 10;
  item.Yxxs = 2;
  item.Count5 = 2;
  item.slFiveNoHeatSoil = GbkList({"已知项,10", "1.6", "求解项", "3.2"});
}

// 20 ℃ at the mixer, transported an hour in a truck mixer with two transfers at −10 ℃.
inline void FillExample(TTongTransitIrrigate& item) {
  item.Cjwd = 20;
  item.Wdssxs = 0.25;
  item.Ysdjzdsj = 1;
  item.Yzcs = 2;
  item.Hjwd = -10;
  item.cf = "0.48";
  item.cs = "0.48";
  item.mf = "50";
  item.ms = "80";
  item.Tf = "-10";
  item.Ts = "-10";
  item.Wendu = 10;
  item.Zhiliang = 2400;
  item.Hntbrr = 0.96;
}

}  // namespace wcthrm::ui::test
