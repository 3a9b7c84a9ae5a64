// Freezing depth books: the four cases computed from the form's texts, line by line.
#include <cmath>

#include "calc/DepthOfSoilForm.h"
#include "support/NumberText.h"

namespace wcthrm::calc::depthofsoil {

namespace {

const std::string kPlus = "＋";
const std::string kResult = "         ＝";         // under "冻结深度H＝"
const std::string kThickResult = "           ＝";  // under "覆盖厚度h$SH$＝"

std::string Cm(double value) { return RoundToStr(2, value) + "cm"; }

// The P lines of a tab; returns P.
double WriteFreezingIndex(const Form& form, int tab, BookLines& lines) {
  const double p = FreezingIndex(form, tab);
  if (!AutoCal(form, tab)) {
    lines.push_back("P＝" + PField(form, tab));
    return p;
  }
  const Table& g = DayTable(form, tab);
  std::string line = "P＝";
  for (int r = 1; r <= g.DataRows(); ++r) line += g.At(1, r) + "×" + g.At(2, r) + kPlus;
  if (line.ends_with(kPlus)) line.resize(line.size() - kPlus.size());
  lines.push_back(line);
  lines.push_back(" ＝" + RoundToStr(2, p));
  return p;
}

// H = A (P^1/2 + 0.018 P), cases 1 and 2.
void WriteDepthFromA(const std::string& a, double p, BookLines& lines) {
  const double h = Num(a) * (std::sqrt(p) + 0.018 * p);
  lines.push_back("冻结深度H＝" + EditValueText(a) + "×（" + NumberText(p) + "#1/2#＋0.018×" +
                  NumberText(p) + "）");
  lines.push_back(kResult + Cm(h));
}

void WriteBareSoil(const Form& form, BookLines& lines) {
  if (form.rbNoHeatSoil) {
    const double p = WriteFreezingIndex(form, 0, lines);
    WriteDepthFromA(form.kxedtDjxs, p, lines);
    return;
  }
  const double h = 100 * (0.28 * std::sqrt(Num(form.kxedtSumTemp) + 7) - 0.5);
  lines.push_back("冻结深度H＝100×（0.28×（" + EditValueText(form.kxedtSumTemp) +
                  "＋7）#1/2#－0.5）");
  lines.push_back(kResult + Cm(h));
}

void WriteLoosenedSoil(const Form& form, BookLines& lines) {
  const double p = WriteFreezingIndex(form, 1, lines);
  if (form.RadioButton1) {
    WriteDepthFromA(form.kxedtDjxs2, p, lines);
    return;
  }
  const double h = Num(form.kxedtFdjsxs) * (0.004 * p - std::pow(10.0, -6) * p * p);
  lines.push_back("冻结深度H＝" + EditValueText(form.kxedtFdjsxs) + "×（0.004×" + NumberText(p) +
                  "－10#-6#×" + NumberText(p) + "#2#）");
  lines.push_back(kResult + Cm(h));
}

void WriteSnowCover(const Form& form, BookLines& lines) {
  const double p = WriteFreezingIndex(form, 2, lines);
  const double x = CoverFreezingDepth(p);
  const double beta = Num(form.kxedtYxxs);
  const double lambda = Num(form.kxedtXdpjrdxs);
  const std::string pText = NumberText(p);
  if (form.RadioButton3) {
    const double h = x / beta - lambda * Num(form.kxedtXdpjfgxs);
    lines.push_back("冻结深度H＝60×（0.004×" + pText + "－10#-6#×" + pText + "#2#）/" +
                    EditValueText(form.kxedtYxxs) + "－" + EditValueText(form.kxedtXdpjrdxs) + "×" +
                    EditValueText(form.kxedtXdpjfgxs));
    lines.push_back(kResult + Cm(h));
    return;
  }
  const double thickness = (x / beta) / lambda;
  lines.push_back("覆盖厚度h$SH$＝（60×（0.004×" + pText + "－" + pText + "#2#×10#-6#）/" +
                  EditValueText(form.kxedtYxxs) + "）/" + EditValueText(form.kxedtXdpjrdxs));
  lines.push_back(kThickResult + Cm(thickness));
}

void WriteInsulatedSoil(const Form& form, BookLines& lines) {
  const double p = WriteFreezingIndex(form, 3, lines);
  const double x = CoverFreezingDepth(p);
  const std::string pText = NumberText(p);
  lines.push_back("H＝60×（0.004×" + pText + "－10#-6#×" + pText + "#2#）");
  lines.push_back(" ＝" + RoundToStr(2, x));

  const Table& g = form.advsgFgbwtr2;
  const int u = UnknownLayer(form);
  double known = 0;
  std::string terms;
  for (int r = 1; r <= g.DataRows(); ++r) {
    if (r == u) continue;
    const std::string t = ThicknessText(g.At(1, r));
    known += Num(t) * Num(g.At(2, r));
    terms += t + "×" + g.At(2, r) + kPlus;
  }
  if (terms.ends_with(kPlus)) terms.resize(terms.size() - kPlus.size());
  const std::string& betaU = g.At(2, u);
  if (g.DataRows() == 1) {
    lines.push_back("h＝" + RoundToStr(2, x) + "/" + betaU);
  } else {
    lines.push_back("h＝（" + RoundToStr(2, x) + "－" + terms + "）/" + betaU);
  }
  lines.push_back(" ＝" + Cm((x - known) / Num(betaU)));
}

}  // namespace

double FreezingIndex(const Form& form, int tab) {
  if (!AutoCal(form, tab)) return Num(PField(form, tab));
  const Table& g = DayTable(form, tab);
  double p = 0;
  for (int r = 1; r <= g.DataRows(); ++r) p += Num(g.At(1, r)) * Num(g.At(2, r));
  return p;
}

double CoverFreezingDepth(double p) { return 60 * (0.004 * p - std::pow(10.0, -6) * p * p); }

int UnknownLayer(const Form& form) {
  const int u = form.UnknownRow;
  return u >= 1 && u <= form.advsgFgbwtr2.DataRows() ? u : -1;
}

std::string ThicknessText(const std::string& cell) {
  const size_t comma = cell.find(',');
  return comma == std::string::npos ? cell : cell.substr(comma + 1);
}

BookLines Book(const Form& form, int tab) {
  RequireTab(tab, kTabCount, kKind);
  BookLines lines;
  switch (tab) {
    case 0:
      WriteBareSoil(form, lines);
      break;
    case 1:
      WriteLoosenedSoil(form, lines);
      break;
    case 2:
      WriteSnowCover(form, lines);
      break;
    case 3:
      WriteInsulatedSoil(form, lines);
      break;
  }
  return lines;
}

}  // namespace wcthrm::calc::depthofsoil
