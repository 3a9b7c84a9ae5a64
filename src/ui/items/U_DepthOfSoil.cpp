// The freezing depth dialog's assembly, the state it derives from the form and its handlers;
// the pages are built in U_DepthOfSoilPages.cpp and the table editors in
// U_DepthOfSoilTables.cpp.
#include "ui/items/U_DepthOfSoil.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>

#include "ui/RowMenu.h"
#include "ui/U_DepthOfSoilHint.h"

namespace wcthrm::ui {

namespace ds = calc::depthofsoil;

int DepthOfSoilKind::PageHeight(const Form& form, int tab) {
  if (tab == 0) return form.rbNoHeatSoil ? 240 : 155;
  return tab == 1 ? 240 : 275;
}

Tfrm_DepthOfSoil::Tfrm_DepthOfSoil(QWidget* parent) : FormDialog(parent) {
  tsNoHeatSoil = RzPageControl1->AddSheet("tsNoHeatSoil", QStringLiteral("未保温土壤"));
  tsSdbwtr = RzPageControl1->AddSheet("tsSdbwtr", QStringLiteral("松动保温土壤"));
  tsFxbwtr = RzPageControl1->AddSheet("tsFxbwtr", QStringLiteral("覆雪保温土壤"));
  tsFgbwtr = RzPageControl1->AddSheet("tsFgbwtr", QStringLiteral("覆盖保温材料土壤"));
  // One menu serves the four day tables; its actions work on the active tab's table.
  PopupMenu1 = new RowMenu(this, "PopupMenu1", "NAdd", "NDlt");
  PopupMenu2 = new RowMenu(this, "PopupMenu2", "NAdd2", "NDlt2");
  connect(PopupMenu1->Add, &QAction::triggered, this, Guarded([this] { NAddClick(); }));
  connect(PopupMenu1->Delete, &QAction::triggered, this, Guarded([this] { NDltClick(); }));
  connect(PopupMenu2->Add, &QAction::triggered, this, Guarded([this] { NAdd2Click(); }));
  connect(PopupMenu2->Delete, &QAction::triggered, this, Guarded([this] { NDlt2Click(); }));
  BuildNoHeatSoilPage();
  BuildSdbwtrPage();
  BuildFxbwtrPage();
  BuildFgbwtrPage();
  PlacePageControl(RzPageControl1);
  resize(780, 640);
}

void Tfrm_DepthOfSoil::PresentMore(const Form& form) {
  GroupBox1->setVisible(form.rbNoHeatSoil);
  GroupBox2->setVisible(!form.rbNoHeatSoil);
  GroupBox3->setVisible(form.RadioButton1);
  GroupBox4->setVisible(!form.RadioButton1);
  kxedtXdpjfgxs->setEnabled(form.RadioButton3);
  lblXdpjfgxs->setEnabled(form.RadioButton3);
  for (int tab = 0; tab < ds::kTabCount; ++tab) {
    const bool autoCal = ds::AutoCal(form, tab);
    dayTables[tab]->setEnabled(autoCal);
    pFields[tab]->setEnabled(!autoCal);
    autoCalLabels[tab]->setEnabled(autoCal);
  }
}

void Tfrm_DepthOfSoil::rbNoHeatSoilClick() {
  Apply([](Form&) {});
  RzPageControl1->SetHeight(240);
}

void Tfrm_DepthOfSoil::rbBzdjsdClick() {
  Apply([](Form&) {});
  RzPageControl1->SetHeight(155);
}

void Tfrm_DepthOfSoil::cbAutoCalClick(int tab) {
  const bool checked = autoCals[tab]->isChecked();
  Apply([&](Form& form) { ds::SetAutoCal(form, tab, checked); });
  // A field on a hidden tab or group cannot take the focus; the move is skipped there.
  TKxEdit* p = pFields[tab];
  if (!checked && p->isVisible() && p->isEnabled()) p->setFocus(Qt::OtherFocusReason);
}

void Tfrm_DepthOfSoil::NAddClick() {
  Apply([](Form& form) { ds::AddDayRow(form, form.activeTab); });
}

void Tfrm_DepthOfSoil::NDltClick() {
  Apply([](Form& form) { ds::DeleteDayRows(form, form.activeTab); });
}

void Tfrm_DepthOfSoil::NAdd2Click() {
  Apply([](Form& form) { ds::AddLayerRow(form); });
}

void Tfrm_DepthOfSoil::NDlt2Click() {
  Apply([](Form& form) { ds::DeleteLayerRow(form); });
}

void Tfrm_DepthOfSoil::Radio(QRadioButton* button, bool Form::*field,
                             void (Tfrm_DepthOfSoil::*click)()) {
  binding_.Checked(button, field);
  if (click) {
    connect(button, &QRadioButton::clicked, this, Guarded([this, click] { (this->*click)(); }));
  } else {
    connect(button, &QRadioButton::clicked, this, Guarded([this] { Apply([](Form&) {}); }));
  }
}

QPushButton* Tfrm_DepthOfSoil::HintButton(const char* name, int picture, QWidget* parent) {
  auto* button = new QPushButton(QStringLiteral("…"), parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setFixedSize(24, 21);
  connect(button, &QPushButton::clicked, this,
          Guarded([picture] { ShowDepthOfSoilHint(picture); }));
  return button;
}

}  // namespace wcthrm::ui
