// Saves pictures of the base dialog (with a short book) and of every hint table, for a
// person to look at: ui_shots [folder]. Run it under a display server.
#include <QApplication>
#include <QDir>
#include <QTextEdit>

#include "ui/U_ConcreteHeatHint.h"
#include "ui/U_DepthOfSoilHint.h"
#include "ui/UntKxEditForm.h"
#include "ui/u_pubfun.h"

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
  return ok ? 0 : 1;
}
