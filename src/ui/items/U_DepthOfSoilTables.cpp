// The five tables of the freezing depth dialog: the day tables with their numeric cell editors
// and freezing-index sum, and the layer table with its thickness and β editors.
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>

#include "ui/RowMenu.h"
#include "ui/U_DepthOfSoilHint.h"
#include "ui/items/U_DepthOfSoil.h"

namespace wcthrm::ui {

namespace ds = calc::depthofsoil;

namespace {

constexpr QSize kEditorSize{148, 21};
const std::vector<int> kColumnWidths = {40, 150, 150};

QComboBox* NumType(QWidget* editor) { return editor->findChild<QComboBox*>("cbNumType"); }
TKxEdit* Thickness(QWidget* editor) { return editor->findChild<TKxEdit*>("kxedtDays"); }

// The thickness editor as its widgets stand.
ds::ThicknessEditor ReadThickness(QWidget* editor) {
  ds::ThicknessEditor shown;
  QComboBox* combo = NumType(editor);
  for (int i = 0; i < combo->count(); ++i) shown.items.push_back(combo->itemText(i).toStdString());
  shown.choice = combo->currentText().toStdString();
  shown.days = Thickness(editor)->text().toStdString();
  shown.daysVisible = !Thickness(editor)->isHidden();
  return shown;
}

void ShowThickness(QWidget* editor, const ds::ThicknessEditor& shown) {
  QComboBox* combo = NumType(editor);
  combo->clear();
  for (const std::string& item : shown.items) combo->addItem(QString::fromStdString(item));
  combo->setCurrentText(QString::fromStdString(shown.choice));
  Thickness(editor)->setText(QString::fromStdString(shown.days));
  Thickness(editor)->setVisible(shown.daysVisible);
}

}  // namespace

KxGrid* Tfrm_DepthOfSoil::DayTable(int tab, QWidget* parent) {
  KxGrid* grid = MakeGrid(ds::kDayTables[tab],
                          tab == 0   ? &Form::advsgNoHeatSoil
                          : tab == 1 ? &Form::advsgSdbwtr
                          : tab == 2 ? &Form::advsgFxbwtr
                                     : &Form::advsgFgbwtr,
                          kColumnWidths, 3, 5, true, parent);
  grid->SetRangeSelect(true);
  AttachCellEditors(grid);
  // Selecting a cell or leaving the table takes the sum, which repairs the cells.
  const auto touched = [this, tab] {
    Apply([tab](Form& form) { ds::DayTableTouched(form, tab); });
  };
  connect(grid, &KxGrid::SelectCell, this, Guarded(touched));
  connect(grid, &KxGrid::Exit, this, Guarded(touched));
  PopupMenu1->AttachTo(grid);
  dayTables[tab] = grid;
  return grid;
}

QLayout* Tfrm_DepthOfSoil::AutoCalRow(int tab, QWidget* parent) {
  static const char* const kBoxes[] = {"cbAutoCal1", "cbAutoCal2", "cbAutoCal3", "cbAutoCal4"};
  static const char* const kLabels[] = {"lblAutoCal1", "lblAutoCal2", "lblAutoCal3",
                                        "lblAutoCal4"};
  auto* row = new QHBoxLayout;
  auto* box = new QCheckBox(parent);
  box->setObjectName(QString::fromLatin1(kBoxes[tab]));
  SetHint(box, QStringLiteral("勾选时，冻结指数P为表中∑（冻结天数×平均日负气温）；\n"
                              "不勾选时，表格不能输入，冻结指数P可以手工输入。"));
  binding_.Checked(box, tab == 0   ? &Form::cbAutoCal1
                        : tab == 1 ? &Form::cbAutoCal2
                        : tab == 2 ? &Form::cbAutoCal3
                                   : &Form::cbAutoCal4);
  connect(box, &QCheckBox::clicked, this, Guarded([this, tab] { cbAutoCalClick(tab); }));
  auto* label = new QLabel(QStringLiteral("自动累加"), parent);
  label->setObjectName(QString::fromLatin1(kLabels[tab]));
  TKxEdit* p = MakeEdit(ds::kPFields[tab], parent);
  row->addWidget(new QLabel(QStringLiteral("冻结指数P："), parent));
  row->addWidget(box);
  row->addWidget(label);
  row->addSpacing(8);
  row->addWidget(p);
  row->addStretch(1);
  autoCals[tab] = box;
  autoCalLabels[tab] = label;
  pFields[tab] = p;
  return row;
}

void Tfrm_DepthOfSoil::BuildLayerTable(QWidget* parent) {
  advsgFgbwtr2 = MakeGrid(ds::kLayerTable, &Form::advsgFgbwtr2, kColumnWidths, 3, 5, true, parent);
  advsgFgbwtr2->SetRangeSelect(false);
  PopupMenu2->AttachTo(advsgFgbwtr2);

  // Thickness: the unknown/known choice, and for a known layer its thickness.
  CellEditor thickness;
  thickness.size = kEditorSize;
  thickness.create = [](QWidget* parent) -> QWidget* {
    auto* editor = new QWidget(parent);
    auto* row = new QHBoxLayout(editor);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    auto* combo = new QComboBox(editor);
    combo->setObjectName(QStringLiteral("cbNumType"));
    auto* days = new TKxEdit(editor);
    days->setObjectName(QStringLiteral("kxedtDays"));
    ConfigureEdit(*days, ds::Edit("kxedtDays").settings);
    row->addWidget(combo, 1);
    row->addWidget(days, 1);
    editor->setFocusProxy(combo);
    // cbNumTypeClick
    QObject::connect(combo, &QComboBox::activated, editor, Guarded([editor] {
                       ds::ThicknessEditor shown = ReadThickness(editor);
                       ds::ChooseThickness(shown, shown.choice);
                       Thickness(editor)->setVisible(shown.daysVisible);
                     }));
    return editor;
  };
  thickness.enter = [this](QWidget* editor, const QString&, int, int row) {
    ShowThickness(editor, ds::EnterThicknessEditor(Gather(), row));
  };
  thickness.leave = [this](QWidget* editor, int col, int row) {
    const ds::ThicknessEditor shown = ReadThickness(editor);
    Form form = Gather();
    ds::LeaveThicknessEditor(form, row, shown);
    Present(form);
    return QString::fromStdString(form.advsgFgbwtr2.At(col, row));
  };
  advsgFgbwtr2->SetColumnEditor(1, thickness);

  // βi: the number, with the table of β beside it.
  CellEditor beta;
  beta.size = kEditorSize;
  beta.create = [](QWidget* parent) -> QWidget* {
    auto* editor = new QWidget(parent);
    auto* row = new QHBoxLayout(editor);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    auto* field = new TKxEdit(editor);
    field->setObjectName(QStringLiteral("kxedtPjrfqw"));
    ConfigureEdit(*field, ds::Edit("kxedtPjrfqw").settings);
    auto* button = new QPushButton(QStringLiteral("…"), editor);
    button->setObjectName(QStringLiteral("bsSkinButton4"));
    button->setFixedWidth(22);
    // The field keeps the focus, so the editor stays open while the table is looked up.
    button->setFocusPolicy(Qt::NoFocus);
    QObject::connect(button, &QPushButton::clicked, editor,
                     Guarded([] { ShowDepthOfSoilHint(3); }));
    row->addWidget(field, 1);
    row->addWidget(button);
    editor->setFocusProxy(field);
    return editor;
  };
  beta.enter = [](QWidget* editor, const QString& text, int, int) {
    editor->findChild<TKxEdit*>("kxedtPjrfqw")->setText(text);
  };
  beta.leave = [](QWidget* editor, int, int) {
    return editor->findChild<TKxEdit*>("kxedtPjrfqw")->text();
  };
  advsgFgbwtr2->SetColumnEditor(2, beta);
}

}  // namespace wcthrm::ui
