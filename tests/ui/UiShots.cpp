// Saves pictures of the base dialog (with a short book), of every hint table and of every
// tab of the four item dialogs, for a person to look at: ui_shots [folder]. Run it under a display server.
#include <QApplication>
#include <QDir>
#include <QTextEdit>

#include "ui/U_ConcreteHeatHint.h"
#include "ui/U_DepthOfSoilHint.h"
#include "ui/UntKxEditForm.h"
#include "ui/u_pubfun.h"
#include "items/Examples.h"
#include "ui/KxGrid.h"
#include "ui/items/U_ConcreteConserve.h"
#include "ui/items/U_ConcreteHeat.h"
#include "ui/items/U_DepthOfSoil.h"
#include "ui/items/U_TongTransitIrrigate.h"
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
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

bool Grab(QWidget& window, const QDir& folder, const QString& name) {
  QApplication::processEvents();
  const QString path = folder.filePath(name);
  const bool saved = window.grab().save(path);
  qInfo("%s %s", saved ? "saved" : "FAILED", qPrintable(path));
  return saved;
}

// Every tab of an item dialog on the kind's example, its book calculated, and once more with
// an in-cell editor open on the last table of the page.
template <class Dialog, class Item>
bool ShootDialog(const QDir& folder, const char* kind) {
  RecordingMessageService quiet;
  ScopedMessageService scoped(quiet);
  Item item;
  wcthrm::ui::test::FillExample(item);
  Dialog dialog;
  dialog.CurItem = &item;
  dialog.show();
  dialog.activateWindow();
  QApplication::processEvents();
  bool ok = true;
  for (int tab = 0; tab < dialog.RzPageControl1->count(); ++tab) {
    dialog.RzPageControl1->setCurrentIndex(tab);
    dialog.btnCalculate->click();
    const QString stem = QStringLiteral("ui_%1_tab%2").arg(QString::fromLatin1(kind)).arg(tab);
    ok &= Grab(dialog, folder, stem + QStringLiteral(".png"));
    const auto grids = dialog.RzPageControl1->currentWidget()->template findChildren<KxGrid*>();
    if (grids.isEmpty()) continue;
    KxGrid* grid = grids.back();
    grid->setFocus();
    grid->editItem(grid->item(1, 1));
    ok &= Grab(dialog, folder, stem + QStringLiteral("_editor.png"));
    dialog.btnCalculate->setFocus();
  }
  if (!quiet.shown.empty()) qWarning("%s: %s", kind, qPrintable(quiet.Texts().join(u'|')));
  return ok && quiet.shown.empty();
}

// A real range message over the transport dialog after "计算" with a mixer temperature below
// its range: the box the user reads, taken when it is up and then answered.
bool ShootMessage(const QDir& folder) {
  wcthrm::TTongTransitIrrigate item;
  item.Cjwd = 0;
  Tfrm_TongTransitIrrigate dialog;
  dialog.CurItem = &item;
  dialog.show();
  dialog.activateWindow();
  QApplication::processEvents();
  bool ok = false;
  QTimer::singleShot(300, [&] {
    if (QWidget* box = QApplication::activeModalWidget()) {
      // The whole screen, so the box shows over its dialog.
      QScreen* screen = QGuiApplication::primaryScreen();
      const QString path = folder.filePath(QStringLiteral("ui_transport_message.png"));
      ok = screen->grabWindow(0).save(path);
      qInfo("%s %s", ok ? "saved" : "FAILED", qPrintable(path));
      box->close();
    }
  });
  dialog.btnCalculate->click();
  QApplication::processEvents();
  QWidget* focus = dialog.focusWidget();
  qInfo("focus after the message: %s", focus ? qPrintable(focus->objectName()) : "none");
  return ok;
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
  ok &= ShootDialog<Tfrm_ConcreteHeat, wcthrm::TConcreteHeat>(folder, "heat");
  ok &= ShootDialog<Tfrm_ConcreteConserve, wcthrm::TConcreteConserve>(folder, "curing");
  ok &= ShootDialog<Tfrm_DepthOfSoil, wcthrm::TDepthOfSoil>(folder, "depth");
  ok &= ShootDialog<Tfrm_TongTransitIrrigate, wcthrm::TTongTransitIrrigate>(folder, "transport");
  ok &= ShootMessage(folder);
  return ok ? 0 : 1;
}
