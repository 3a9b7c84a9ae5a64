// Concrete heating calculations and their book lines, one section per tab.
#include <cmath>

#include "calc/ConcreteHeatForm.h"
#include "support/Errors.h"
#include "support/NumberText.h"

namespace wcthrm::calc::concreteheat {

namespace {

// The checks keep infinities out; this only guards a book written without them.
double Finite(double value, const char* what) {
  if (!std::isfinite(value)) throw RangeError(std::string(what) + " is not a finite number");
  return value;
}

BookLines HeatDemandBook(const Form& form) {
  const double q = Finite(HeatDemand(form), "heat demand");
  std::string t1 = EditValueText(form.kxedtJrqclwd);
  if (Num(form.kxedtJrqclwd) < 0) t1 = "（" + t1 + "）";
  return {
      "耗热量Q＝" + EditValueText(form.kxedtClbr) + "×" + EditValueText(form.kxedtClmi) + "×" +
          EditValueText(form.kxedtYll) + "×（" + EditValueText(form.kxedtJrhclwd) + "－" + t1 +
          "）×（" + EditValueText(form.kxedtBjyxs) + "/" + EditValueText(form.kxedtSjlyxs) + "）",
      "       ＝" + NumberText(q) + " kJ/h",
  };
}

BookLines OutletBook(const Form& form) {
  const double th = OutletTemperature(form);
  const int a = form.cbJrfs == 0 ? 30 : 10;
  const bool feasible = Num(form.kxedtJrzgwd) >= th;
  return {
      "混凝土拌和物出厂温度T$h$＝" + IntToText(a) + "－0.5×" + EditValueText(form.kxedtWjqw),
      "                      ＝" + NumberText(th) + (feasible ? "℃≤" : "℃＞") +
          EditValueText(form.kxedtJrzgwd) + "℃",
      feasible ? "可以。" : "不可以。",
  };
}

BookLines MixBook(const Form& form) {
  const double t0 = Finite(MixTemperature(form), "mix temperature");
  const Table& mix = form.AdvStringGrid1;
  const std::string& mw = mix.At(1, 1);
  const std::string& mce = mix.At(2, 1);
  const std::string& msa = mix.At(3, 1);
  const std::string& mg = mix.At(4, 1);
  const std::string& tw = mix.At(1, 2);
  const std::string& tce = mix.At(2, 2);
  const std::string& tsa = mix.At(3, 2);
  const std::string& tg = mix.At(4, 2);
  const std::string wsa = EditValueText(form.kxedtSzhsl, 0.01);
  const std::string wg = EditValueText(form.kxedtHsl, 0.01);
  const std::string c1 = EditValueText(form.kxedtCldrb);
  const std::string c2 = EditValueText(form.kxedtSdrjr);
  return {
      "混凝土拌和物的理论温度T$0$＝[0.92×（" + mce + "×" + tce + "＋" + msa + "×" + tsa + "＋" +
          mg + "×" + tg + "）＋4.2×" + tw + "×（" + mw + "－" + wsa + "×" + msa + "－" + wg + "×" +
          mg + "）＋" + c1 + "×（" + wsa + "×" + msa + "×" + tsa + "＋" + wg + "×" + mg + "×" + tg +
          "）－" + c2 + "×（" + wsa + "×" + msa + "＋" + wg + "×" + mg + "）]/[4.2×" + mw +
          "＋0.92×（" + mce + "＋" + msa + "＋" + mg + "）]",
      "＝" + RoundToStr(2, t0) + "℃",
  };
}

BookLines MixerOutletBook(const Form& form) {
  const double t1 = MixerOutletTemperature(form);
  const std::string t0 = EditValueText(form.kxedtBhwwd);
  return {
      "混凝土拌和物的出机温度T$1$＝" + t0 + "－0.16×（" + t0 + "－" +
          EditValueText(form.kxedtBhjpnwd) + "）",
      "                        ＝" + NumberText(t1) + " ℃",
  };
}

}  // namespace

// The results printed in full (Q, Th, T1) are computed in extended precision from the texts
// themselves, so a decimal result such as 787500 carries no digit of a first rounding.
double HeatDemand(const Form& form) {
  const long double c = NumX(form.kxedtClbr), rho = NumX(form.kxedtClmi), v = NumX(form.kxedtYll);
  const long double t1 = NumX(form.kxedtJrqclwd), k1 = NumX(form.kxedtBjyxs);
  const long double t2 = NumX(form.kxedtJrhclwd), k2 = NumX(form.kxedtSjlyxs);
  return static_cast<double>(((((c * rho) * v) * (t2 - t1)) * k1) / k2);
}

double OutletTemperature(const Form& form) {
  const long double a = form.cbJrfs == 0 ? 30 : 10;  // no selection counts as "人工加热法"
  return static_cast<double>(a - 0.5L * NumX(form.kxedtWjqw));
}

double MixTemperature(const Form& form) {
  const Table& mix = form.AdvStringGrid1;
  const double mw = Num(mix.At(1, 1)), mce = Num(mix.At(2, 1));
  const double msa = Num(mix.At(3, 1)), mg = Num(mix.At(4, 1));
  const double tw = Num(mix.At(1, 2)), tce = Num(mix.At(2, 2));
  const double tsa = Num(mix.At(3, 2)), tg = Num(mix.At(4, 2));
  const double c1 = Num(form.kxedtCldrb), c2 = Num(form.kxedtSdrjr);
  const double wsa = Num(form.kxedtSzhsl) / 100, wg = Num(form.kxedtHsl) / 100;
  const double s1 = mce * tce;
  const double s2 = msa * tsa + s1;
  const double s3 = 0.92 * (mg * tg + s2);
  const double w = 4.2 * tw;
  const double r = (mw - wsa * msa) - wg * mg;
  const double s4 = r * w + s3;
  const double s5 = wg * mg * tg + wsa * msa * tsa;
  const double s6 = c1 * s5 + s4;
  const double s7 = wg * mg + wsa * msa;
  const double n = s6 - c2 * s7;
  const double d = 0.92 * (mg + (msa + mce)) + 4.2 * mw;
  return n / d;
}

double MixerOutletTemperature(const Form& form) {
  const long double t0 = NumX(form.kxedtBhwwd), ti = NumX(form.kxedtBhjpnwd);
  return static_cast<double>(t0 - 0.16L * (t0 - ti));
}

BookLines Book(const Form& form, int tab) {
  using Section = BookLines (*)(const Form&);
  static constexpr Section kSections[kTabCount] = {&HeatDemandBook, &OutletBook, &MixBook,
                                                   &MixerOutletBook};
  RequireTab(tab, kTabCount, kKind);
  return kSections[tab](form);
}

}  // namespace wcthrm::calc::concreteheat
