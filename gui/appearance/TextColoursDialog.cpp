#include "gui/appearance/TextColoursDialog.h"

#include <QCoreApplication>
#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "config/SettingsStore.h"
#include "gui/appearance/SettingsWindowParts.h"
#include "gui/common/Awaiting.h"
#include "gui/common/QtSettingsHost.h"
#include "gui/common/SpokenNames.h"

namespace winpiruk {
namespace {

constexpr int kSwatchSize = 26;

QString Css(const QColor& colour) { return colour.name(QColor::HexRgb); }

QColor Backdrop(int16_t flag) { return flag == 1 ? QColor(Qt::white) : QColor(Qt::black); }

}  // namespace

TextColoursDialog::TextColoursDialog(GameState& state, const ProgramPaths& paths, QWidget* parent)
    : QDialog(parent), state_(state), paths_(paths), colours_(TextColours(state.settings)) {
  setObjectName(QStringLiteral("TextColoursDialog"));
  setWindowTitle(tr("ぴるく  - 盤面文字色設定 -"));

  QGroupBox* items = BuildItems();
  QFrame* palette = BuildPalette();
  resetButton = NamedButton(this, QStringLiteral("resetButton"), tr("初期状態の配色(&R)"));
  const ClosingButtons closing = MakeClosingButtons(this);
  okButton = closing.ok;
  cancelButton = closing.cancel;

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(16, 14, 16, 14);
  layout->setSpacing(12);
  auto* top = new QHBoxLayout;
  top->setSpacing(16);
  top->addWidget(items);
  top->addWidget(palette, 0, Qt::AlignVCenter);
  layout->addLayout(top);
  layout->addLayout(ClosingRow(closing, resetButton));

  connect(resetButton, &QPushButton::clicked, this, &TextColoursDialog::ResetColours);
  // OK waits in a run of the window's own for a failed write to be told.
  connect(okButton, &QPushButton::clicked, this, [this] { runs_.Start([this] { OnOk(); }); });
  connect(cancelButton, &QPushButton::clicked, this, &TextColoursDialog::reject);

  SelectItem(TextItem::PlayerNames);
  FinishSettingsWindow(*this, paths_.program_directory);
}

TextColoursDialog::~TextColoursDialog() { runs_.StopAll(); }

QGroupBox* TextColoursDialog::BuildItems() {
  auto* items = new QGroupBox(this);
  auto* item_grid = new QGridLayout(items);
  item_grid->setHorizontalSpacing(10);
  item_grid->setVerticalSpacing(10);
  auto* options = new QButtonGroup(this);
  QFont sample_font = font();
  sample_font.setPixelSize(15);
  for (int i = 0; i < kTextItems; ++i) {
    const TextItem item = TextItem(i);
    auto* option = new QRadioButton(items);
    option->setObjectName(QStringLiteral("itemButton%1").arg(i));
    options->addButton(option, i);
    auto* sample = new QLabel(QCoreApplication::translate("Appearance", TextItemCaption(item)), items);
    sample->setObjectName(QStringLiteral("sampleLabel%1").arg(i));
    sample->setFont(sample_font);
    sample->setAlignment(Qt::AlignCenter);
    sample->setMinimumSize(150, 30);
    sample->setCursor(Qt::PointingHandCursor);
    OnLeftPress(*sample, [this, item] { SelectItem(item); });
    // The option button has no caption: its sample stands for it.
    NameAfterLabel(*option, *sample);
    item_grid->addWidget(option, i, 0);
    item_grid->addWidget(sample, i, 1);
    itemButtons.at(static_cast<size_t>(i)) = option;
    sampleLabels.at(static_cast<size_t>(i)) = sample;
  }
  connect(options, &QButtonGroup::idClicked, this, [this](int id) { SelectItem(TextItem(id)); });
  return items;
}

QFrame* TextColoursDialog::BuildPalette() {
  // The light rows on black, the dark rows on white, as the samples will
  // show them.
  auto* palette = new QFrame(this);
  palette_ = palette;
  palette->setObjectName(QStringLiteral("palette"));
  auto* swatch_grid = new QGridLayout(palette);
  swatch_grid->setContentsMargins(0, 0, 0, 0);
  swatch_grid->setSpacing(0);
  for (int i = 0; i < kSwatches; ++i) {
    auto* cell = new QFrame(palette);
    cell->setAutoFillBackground(true);
    QPalette backdrop = cell->palette();
    backdrop.setColor(QPalette::Window, Backdrop(SwatchBackground(i)));
    cell->setPalette(backdrop);
    auto* cell_layout = new QHBoxLayout(cell);
    cell_layout->setContentsMargins(5, 5, 5, 5);
    auto* swatch = new QLabel(cell);
    swatch->setObjectName(QStringLiteral("swatch%1").arg(i));
    swatch->setFixedSize(kSwatchSize, kSwatchSize);
    swatch->setCursor(Qt::PointingHandCursor);
    swatch->setToolTip(Css(ColourFromBgr(SwatchColour(i))).toUpper());
    OnLeftPress(*swatch, [this, i] { ChooseSwatch(i); });
    cell_layout->addWidget(swatch);
    swatch_grid->addWidget(cell, i / kSwatchColumns, i % kSwatchColumns);
    swatches.at(static_cast<size_t>(i)) = swatch;
  }
  // Without a mouse the arrow keys go round the swatches.
  NameAfter(*palette, tr("文字色"));
  OnArrowKeys(*palette, [this](int key) {
    const int swatch = CellAfterKey(key, SwatchOf(colours_.at(static_cast<size_t>(selected_)).colour), kSwatches, kSwatchColumns);
    if (swatch < 0) return false;
    ChooseSwatch(swatch);
    return true;
  });
  return palette;
}

void TextColoursDialog::SelectItem(TextItem item) {
  selected_ = item;
  itemButtons.at(static_cast<size_t>(item))->setChecked(true);
  ShowSamples();
}

void TextColoursDialog::ChooseSwatch(int index) {
  TextColour& colour = colours_.at(static_cast<size_t>(selected_));
  colour.colour = SwatchColour(index);
  colour.background = SwatchBackground(index);
  ShowSamples();
}

void TextColoursDialog::ShowSamples() {
  for (int i = 0; i < kTextItems; ++i) {
    const TextItem item = TextItem(i);
    const TextColour& colour = colours_.at(static_cast<size_t>(i));
    const bool selected = item == selected_;
    sampleLabels.at(static_cast<size_t>(i))
        ->setStyleSheet(QStringLiteral("QLabel { color: %1; background: %2; border: %3 solid %4; padding: 2px 10px; }")
                            .arg(Css(ColourFromBgr(colour.colour)), Css(Backdrop(ShownBackground(colours_, item))),
                                 selected ? QStringLiteral("2px") : QStringLiteral("1px"),
                                 selected ? Css(palette().color(QPalette::Highlight)) : QStringLiteral("#808080")));
  }
  // The swatch of the selected item's colour is marked.
  const int chosen = SwatchOf(colours_.at(static_cast<size_t>(selected_)).colour);
  for (int i = 0; i < kSwatches; ++i) {
    const QColor mark = SwatchBackground(i) == 0 ? QColor(Qt::white) : QColor(Qt::black);
    swatches.at(static_cast<size_t>(i))
        ->setStyleSheet(QStringLiteral("QLabel { background: %1; border: %2; }")
                            .arg(Css(ColourFromBgr(SwatchColour(i))),
                                 i == chosen ? QStringLiteral("3px solid ") + Css(mark)
                                             : QStringLiteral("1px solid #606060")));
  }
  palette_->setAccessibleDescription(chosen < 0 ? QString() : swatches.at(static_cast<size_t>(chosen))->toolTip());
}

void TextColoursDialog::ResetColours() {
  colours_ = DefaultTextColours();
  ShowSamples();
}

void TextColoursDialog::OnOk() {
  SetTextColours(state_.settings, colours_);
  QtSettingsHost host(this);
  WriteSettings(state_, paths_, host);
  accept();
}

bool OpenTextColourSettings(QWidget* parent, GameState& state, const ProgramPaths& paths) {
  TextColoursDialog window(state, paths, parent);
  return AwaitDialog(window) == QDialog::Accepted;
}

}  // namespace winpiruk
