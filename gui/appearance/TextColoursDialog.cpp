#include "gui/appearance/TextColoursDialog.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "config/SettingsStore.h"
#include "gui/common/HelpKey.h"
#include "gui/common/QtSettingsHost.h"
#include "gui/common/WindowPlacement.h"

namespace winpiruk {
namespace {

constexpr int kSwatchSize = 26;

QString Css(const QColor& colour) { return colour.name(QColor::HexRgb); }

QColor Backdrop(int16_t flag) { return flag == 1 ? QColor(Qt::white) : QColor(Qt::black); }

}  // namespace

TextColoursDialog::TextColoursDialog(GameState& state, const ProgramPaths& paths, QWidget* parent)
    : QDialog(parent), state_(state), paths_(paths), colours_(TextColours(state.settings)) {
  setObjectName(QStringLiteral("TextColoursDialog"));
  setWindowTitle(QStringLiteral("ぴるく  - 盤面文字色設定 -"));

  QGroupBox* items = BuildItems();
  QFrame* palette = BuildPalette();

  Command3D3 = new QPushButton(QStringLiteral("初期状態の配色(&R)"), this);
  Command3D3->setObjectName(QStringLiteral("Command3D3"));
  Command3D1 = new QPushButton(QStringLiteral("OK"), this);
  Command3D1->setObjectName(QStringLiteral("Command3D1"));
  Command3D2 = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
  Command3D2->setObjectName(QStringLiteral("Command3D2"));
  for (QPushButton* button : {Command3D1, Command3D2}) button->setMinimumWidth(96);
  Command3D1->setDefault(true);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(16, 14, 16, 14);
  layout->setSpacing(12);
  auto* top = new QHBoxLayout;
  top->setSpacing(16);
  top->addWidget(items);
  top->addWidget(palette, 0, Qt::AlignVCenter);
  layout->addLayout(top);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(Command3D3);
  bottom->addStretch(1);
  bottom->addWidget(Command3D1);
  bottom->addWidget(Command3D2);
  layout->addLayout(bottom);

  connect(Command3D3, &QPushButton::clicked, this, &TextColoursDialog::Command3D3_Click);
  connect(Command3D1, &QPushButton::clicked, this, &TextColoursDialog::Command3D1_Click);
  connect(Command3D2, &QPushButton::clicked, this, &TextColoursDialog::reject);
  AddHelpKey(*this, paths_.program_directory);

  SelectItem(TextItem::PlayerNames);
  adjustSize();
  CentreOnScreen(*this);
}

QGroupBox* TextColoursDialog::BuildItems() {
  // The five items: an option button and a sample each.
  auto* items = new QGroupBox(this);
  auto* item_grid = new QGridLayout(items);
  item_grid->setHorizontalSpacing(10);
  item_grid->setVerticalSpacing(10);
  auto* options = new QButtonGroup(this);
  QFont sample_font = font();
  sample_font.setPixelSize(15);
  for (int n = 1; n <= kTextItems; ++n) {
    auto* option = new QRadioButton(items);
    option->setObjectName(QStringLiteral("Option3D%1").arg(n));
    options->addButton(option, n);
    auto* sample = new QLabel(QString::fromUtf8(TextItemCaption(TextItem(n - 1))), items);
    sample->setObjectName(QStringLiteral("Label%1").arg(n));
    sample->setFont(sample_font);
    sample->setAlignment(Qt::AlignCenter);
    sample->setMinimumSize(150, 30);
    sample->setCursor(Qt::PointingHandCursor);
    sample->installEventFilter(this);
    item_grid->addWidget(option, n - 1, 0);
    item_grid->addWidget(sample, n - 1, 1);
    Option3D.at(static_cast<size_t>(n)) = option;
    Sample.at(static_cast<size_t>(n)) = sample;
  }
  connect(options, &QButtonGroup::idClicked, this, [this](int id) { SelectItem(TextItem(id - 1)); });
  return items;
}

QFrame* TextColoursDialog::BuildPalette() {
  // The palette: the light rows on black, the dark rows on white, as the
  // samples will show them.
  auto* palette = new QFrame(this);
  palette->setObjectName(QStringLiteral("Palette"));
  auto* swatch_grid = new QGridLayout(palette);
  swatch_grid->setContentsMargins(0, 0, 0, 0);
  swatch_grid->setSpacing(0);
  for (int i = 0; i < kSwatches; ++i) {
    const int row = i / kSwatchColumns;
    const int column = i % kSwatchColumns;
    auto* cell = new QFrame(palette);
    cell->setAutoFillBackground(true);
    QPalette backdrop = cell->palette();
    backdrop.setColor(QPalette::Window, Backdrop(SwatchBackground(i)));
    cell->setPalette(backdrop);
    auto* cell_layout = new QHBoxLayout(cell);
    cell_layout->setContentsMargins(5, 5, 5, 5);
    auto* swatch = new QLabel(cell);
    swatch->setObjectName(QStringLiteral("Label%1").arg(6 + i));
    swatch->setFixedSize(kSwatchSize, kSwatchSize);
    swatch->setCursor(Qt::PointingHandCursor);
    swatch->setToolTip(Css(ColourFromBgr(SwatchColour(i))).toUpper());
    swatch->installEventFilter(this);
    cell_layout->addWidget(swatch);
    swatch_grid->addWidget(cell, row, column);
    Swatch.at(static_cast<size_t>(i)) = swatch;
  }
  return palette;
}

void TextColoursDialog::SelectItem(TextItem item) {
  selected_ = item;
  Option3D.at(static_cast<size_t>(item) + 1)->setChecked(true);
  ShowSamples();
}

void TextColoursDialog::Swatch_Click(int index) {
  if (index < 0 || index >= kSwatches) return;
  TextColour& colour = colours_.at(static_cast<size_t>(selected_));
  colour.colour = SwatchColour(index);
  colour.background = SwatchBackground(index);
  ShowSamples();
}

void TextColoursDialog::ShowSamples() {
  for (int n = 1; n <= kTextItems; ++n) {
    const TextItem item = TextItem(n - 1);
    const TextColour& colour = colours_.at(static_cast<size_t>(n - 1));
    const bool selected = item == selected_;
    Sample.at(static_cast<size_t>(n))
        ->setStyleSheet(QStringLiteral("QLabel { color: %1; background: %2; border: %3 solid %4; padding: 2px 10px; }")
                            .arg(Css(ColourFromBgr(colour.colour)), Css(Backdrop(ShownBackground(colours_, item))),
                                 selected ? QStringLiteral("2px") : QStringLiteral("1px"),
                                 selected ? Css(palette().color(QPalette::Highlight)) : QStringLiteral("#808080")));
  }
  // The swatch of the selected item's colour is marked.
  const int chosen = SwatchOf(colours_.at(static_cast<size_t>(selected_)).colour);
  for (int i = 0; i < kSwatches; ++i) {
    const QColor mark = SwatchBackground(i) == 0 ? QColor(Qt::white) : QColor(Qt::black);
    Swatch.at(static_cast<size_t>(i))
        ->setStyleSheet(QStringLiteral("QLabel { background: %1; border: %2; }")
                            .arg(Css(ColourFromBgr(SwatchColour(i))),
                                 i == chosen ? QStringLiteral("3px solid ") + Css(mark)
                                             : QStringLiteral("1px solid #606060")));
  }
}

void TextColoursDialog::Command3D3_Click() {
  colours_ = DefaultTextColours();
  ShowSamples();
}

void TextColoursDialog::Command3D1_Click() {
  SetTextColours(state_.settings, colours_);
  QtSettingsHost host(this);
  WriteSettings(state_, paths_, host);
  accept();
}

bool TextColoursDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    for (int n = 1; n <= kTextItems; ++n) {
      if (watched == Sample.at(static_cast<size_t>(n))) {
        SelectItem(TextItem(n - 1));
        return true;
      }
    }
    for (int i = 0; i < kSwatches; ++i) {
      if (watched == Swatch.at(static_cast<size_t>(i))) {
        Swatch_Click(i);
        return true;
      }
    }
  }
  return QDialog::eventFilter(watched, event);
}

bool OpenTextColourSettings(QWidget* parent, GameState& state, const ProgramPaths& paths) {
  TextColoursDialog window(state, paths, parent);
  return window.exec() == QDialog::Accepted;
}

}  // namespace winpiruk
