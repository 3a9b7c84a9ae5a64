// Saves pictures of the base dialog (with a short book) and of every hint table, for a
// person to look at: ui_shots [folder]. Run it under a display server.
#include <QApplication>
#include <QDir>
#include <QTextEdit>

#include "ui/U_ConcreteHeatHint.h"
#include "ui/U_DepthOfSoilHint.h"
#include "ui/UntKxEditForm.h"
#include "ui/u_pubfun.h"
#include "ui/items/U_TongTransitIrrigate.h"
#include "model/U_Class_TongTransitIrrigate.h"
#include <QTabWidget>
#include <QPushButton>

using namespace wcthrm::ui;

namespace {

bool Save(QWidget& window, const QDir& folder, const char* name) {
  window.show();
  QApplication::processEvents();
  const QString path = folder.filePath(QString::fromLatin1(name));
  const bool saved = window.grab().save(path);
  qInfo("%s %s", saved ? "saved" : "FAILED", qPrintable(path));
  window.hide();
  return saved;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(WCTHRM_SHOTS_DIR));
  QDir().mkpath(folder.path());
  bool ok = true;

  TfrmKxEditForm base;
  for (const char* line : {"一、混凝土拌合物的理论温度", "T$0$＝[0.9(m$ce$T$ce$＋m$sa$T$sa$)]／5.5",
                           "每m#3#混凝土，系数10#-6#×5", "T$0$＝12.35℃"})
    WriteBookLine(base.rxrePutout, QString::fromUtf8(line), kBookLineStyle);
  ok &= Save(base, folder, "ui_base_dialog.png");

  Tfrm_ConcreteHeatHint heat;
  ok &= Save(heat, folder, "ui_hint_concrete_heat.png");

  const char* soilNames[] = {"ui_hint_soil_A.png", "ui_hint_soil_alpha.png",
                             "ui_hint_soil_beta.png"};
  for (int picture = 1; picture <= 3; ++picture) {
    Tfrm_DepthOfSoilHint soil;
    soil.ShowPicture(picture);
    ok &= Save(soil, folder, soilNames[picture - 1]);
  }
  {
    RecordingMessageService quiet;
    ScopedMessageService scoped(quiet);
    wcthrm::TTongTransitIrrigate item;
    item.Cjwd = 20; item.Wdssxs = 0.25; item.Ysdjzdsj = 1; item.Yzcs = 2; item.Hjwd = -10;
    item.cf = "0.48"; item.cs = "0.48"; item.mf = "50"; item.ms = "80"; item.Tf = "-10";
    item.Ts = "-10"; item.Wendu = 10; item.Zhiliang = 2400; item.Hntbrr = 0.96;
    Tfrm_TongTransitIrrigate dialog;
    dialog.CurItem = &item;
    dialog.show();
    QApplication::processEvents();
    for (int tab = 0; tab < dialog.RzPageControl1->count(); ++tab) {
      dialog.RzPageControl1->setCurrentIndex(tab);
      dialog.btnCalculate->click();
      QApplication::processEvents();
      const QString path = folder.filePath(QStringLiteral("ui_transport_tab%1.png").arg(tab));
      ok &= dialog.grab().save(path);
    }
  }
  return ok ? 0 : 1;
}
