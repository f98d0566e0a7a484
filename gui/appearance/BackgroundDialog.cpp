#include "gui/appearance/BackgroundDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QMainWindow>
#include <QPainter>
#include <QPushButton>
#include <QStandardPaths>
#include <QTreeView>
#include <QVBoxLayout>

#include "config/SettingsStore.h"
#include "presentation/Appearance.h"
#include "gui/common/Colours.h"
#include "gui/common/EnterKey.h"
#include "gui/common/FileChooser.h"
#include "gui/common/HelpKey.h"
#include "gui/common/Messages.h"
#include "gui/common/QtSettingsHost.h"
#include "gui/common/Twips.h"
#include "gui/common/WindowPlacement.h"

namespace winpiruk {
namespace {

constexpr int kPreviewWidth = 264;

QString Text(const std::string& text) { return QString::fromStdString(text); }

QString PictureFolder() {
  const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  return QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
}

QSize DesignTable() { return {PixelsFromTwips(kDesignWidthTwips), PixelsFromTwips(kDesignHeightTwips)}; }

QPushButton* Button(QWidget* parent, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setMinimumWidth(96);
  return button;
}

}  // namespace

QStringList BackgroundPictureFilters() {
  QStringList filters;
  for (const char* format : {"bmp", "png", "jpg", "jpeg", "gif"}) {
    if (QImageReader::supportedImageFormats().contains(format)) filters << QStringLiteral("*.") + QLatin1String(format);
  }
  return filters;
}

QImage BackgroundPreview(const QImage& picture, bool auto_size, const QSize& table, const QSize& preview) {
  QImage shown(preview, QImage::Format_RGB32);
  shown.fill(TableFeltColour());
  if (picture.isNull() || table.isEmpty()) return shown;
  QPainter painter(&shown);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  if (auto_size) {
    painter.drawImage(shown.rect(), picture);
  } else {
    const double scale = static_cast<double>(preview.width()) / table.width();
    painter.drawImage(QRectF(0, 0, picture.width() * scale, picture.height() * scale), picture);
  }
  return shown;
}

BackgroundDialog::BackgroundDialog(GameState& state, const ProgramPaths& paths, DrawBackground draw, const QSize& table, QWidget* parent)
    : QDialog(parent),
      state_(state),
      paths_(paths),
      draw_(std::move(draw)),
      table_(table.isEmpty() ? DesignTable() : table),
      wallpaper_at_open_(state.settings.GameWallPaper),
      auto_size_at_open_(state.settings.WallPaperAutoSize) {
  setObjectName(QStringLiteral("BackgroundDialog"));
  setWindowTitle(QStringLiteral("ぴるく  - 盤面背景設定 -"));
  BuildControls();
  BuildLayout();
  ShowOpeningChoices();
  ConnectControls();
  AddHelpKey(*this, paths_.program_directory);

  resize(720, 430);
  adjustSize();
  CentreOnScreen(*this);
  resize(720, 430);
}

void BackgroundDialog::BuildControls() {
  Chooser = new FileChooser(BackgroundPictureFilters(), this);
  Drive1 = Chooser->Drive;
  Dir1 = Chooser->Dir;
  File1 = Chooser->File;
  Drive1->setObjectName(QStringLiteral("Drive1"));
  Dir1->setObjectName(QStringLiteral("Dir1"));
  File1->setObjectName(QStringLiteral("File1"));
  Label1 = new QLabel(this);
  Label1->setObjectName(QStringLiteral("Label1"));

  PreviewFrame = new QGroupBox(QStringLiteral("プレビュー"), this);
  PreviewFrame->setObjectName(QStringLiteral("PreviewFrame"));
  Picture1 = new QLabel(PreviewFrame);
  Picture1->setObjectName(QStringLiteral("Picture1"));
  const int preview_height = kPreviewWidth * table_.height() / table_.width();
  Picture1->setFixedSize(kPreviewWidth, std::clamp(preview_height, 60, 2 * kPreviewWidth));
  Picture1->setFrameShape(QFrame::Panel);
  Picture1->setFrameShadow(QFrame::Sunken);
  Picture1->setLineWidth(1);
  {
    auto* box = new QVBoxLayout(PreviewFrame);
    box->addWidget(Picture1, 0, Qt::AlignCenter);
  }
  Check3D1 = new QCheckBox(QStringLiteral("自動サイズ調整"), this);
  Check3D1->setObjectName(QStringLiteral("Check3D1"));

  Command4 = Button(this, "Command4", QStringLiteral("更新(&A)"));
  Command2 = Button(this, "Command2", QStringLiteral("無地(&N)"));
  Command1 = Button(this, "Command1", QStringLiteral("OK"));
  Command3 = Button(this, "Command3", QStringLiteral("ｷｬﾝｾﾙ"));
  Command1->setDefault(true);
}

void BackgroundDialog::BuildLayout() {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(16, 14, 16, 14);
  grid->setHorizontalSpacing(16);
  grid->setVerticalSpacing(10);
  grid->addWidget(Chooser, 0, 0, 3, 1);
  grid->addWidget(PreviewFrame, 0, 1);
  grid->addWidget(Check3D1, 1, 1);
  {
    auto* row = new QHBoxLayout;
    row->addWidget(Command4);
    row->addWidget(Command2);
    row->addStretch(1);
    grid->addLayout(row, 2, 1, Qt::AlignTop);
  }
  grid->addWidget(Label1, 3, 0);
  {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(Command1);
    row->addWidget(Command3);
    grid->addLayout(row, 3, 1);
  }
  grid->setColumnStretch(0, 1);
  grid->setRowStretch(2, 1);
}

void BackgroundDialog::ShowOpeningChoices() {
  // The window as it opens: the folder of the picture in use, and the picture.
  Check3D1->setChecked(state_.settings.WallPaperAutoSize == 1);
  const QString wallpaper = Text(state_.settings.GameWallPaper);
  if (wallpaper.isEmpty()) {
    Chooser->SetFolder(PictureFolder());
  } else {
    Chooser->SelectFile(wallpaper);
    picture_.load(wallpaper);
  }
  ShowFileName();
  ShowPreview();
}

void BackgroundDialog::ConnectControls() {
  connect(Chooser, &FileChooser::FileClicked, this, [this](const QString& path) { File1_Click(path); });
  connect(Chooser, &FileChooser::FileDoubleClicked, this, &BackgroundDialog::File1_DblClick);
  connect(Check3D1, &QCheckBox::toggled, this, &BackgroundDialog::Check3D1_Click);
  connect(Command4, &QPushButton::clicked, this, &BackgroundDialog::Command4_Click);
  connect(Command2, &QPushButton::clicked, this, &BackgroundDialog::Command2_Click);
  connect(Command1, &QPushButton::clicked, this, &BackgroundDialog::Command1_Click);
  connect(Command3, &QPushButton::clicked, this, &BackgroundDialog::reject);
  EnterMovesFocusTo(*File1, *Command1);
}

void BackgroundDialog::ShowFileName() {
  Label1->setText(QStringLiteral("ﾌｧｲﾙ名 : ") + QFileInfo(Text(state_.settings.GameWallPaper)).fileName());
  Label1->setToolTip(Text(state_.settings.GameWallPaper));
}

void BackgroundDialog::ShowPreview() {
  const bool shown = !state_.settings.GameWallPaper.empty();
  const QImage preview = BackgroundPreview(shown ? picture_ : QImage(), state_.settings.WallPaperAutoSize == 1, table_,
                                           Picture1->contentsRect().size());
  Picture1->setPixmap(QPixmap::fromImage(preview));
}

void BackgroundDialog::TellMissing() {
  ShowMessage(this, QStringLiteral("ぴるく  －盤面背景設定－"), QStringLiteral("ファイルが見つかりません。"),
              QMessageBox::Warning);
}

bool BackgroundDialog::DrawTable() { return !draw_ || draw_(); }

bool BackgroundDialog::File1_Click(const QString& path) {
  const std::string chosen = path.toStdString();
  const std::string wallpaper = JoinFolderFile(FolderOf(chosen), FileNameOf(chosen));
  // The picture in use stays, shown and drawn as it was.
  if (RefuseUnstorablePath(this, windowTitle(), wallpaper)) return false;
  state_.settings.GameWallPaper = wallpaper;
  const bool loaded = picture_.load(Text(state_.settings.GameWallPaper));
  if (!loaded) picture_ = QImage();
  ShowFileName();
  ShowPreview();
  if (!loaded) TellMissing();
  return loaded;
}

void BackgroundDialog::File1_DblClick(const QString& path) {
  if (File1_Click(path) && !DrawTable()) TellMissing();
}

void BackgroundDialog::Check3D1_Click(bool checked) {
  state_.settings.WallPaperAutoSize = checked ? 1 : 0;
  ShowPreview();
}

void BackgroundDialog::Command4_Click() {
  const QString path = Chooser->SelectedPath();
  if (path.isEmpty()) {
    // Nothing chosen in the list: the picture in use, as it now stands.
    if (!DrawTable()) TellMissing();
    return;
  }
  File1_DblClick(path);
}

void BackgroundDialog::Command2_Click() {
  state_.settings.GameWallPaper.clear();
  picture_ = QImage();
  File1->clearSelection();
  ShowFileName();
  ShowPreview();
  DrawTable();
}

void BackgroundDialog::Command1_Click() {
  // A picture that cannot be drawn is not kept: the user chooses another
  // one or none.
  if (!DrawTable()) {
    TellMissing();
    return;
  }
  QtSettingsHost host(this);
  WriteSettings(state_, paths_, host);
  accept();
}

void BackgroundDialog::reject() {
  state_.settings.GameWallPaper = wallpaper_at_open_;
  state_.settings.WallPaperAutoSize = auto_size_at_open_;
  DrawTable();
  QDialog::reject();
}

bool OpenBackgroundSettings(QWidget* parent, GameState& state, const ProgramPaths& paths, const DrawBackground& draw) {
  QSize table;
  if (auto* main_window = qobject_cast<QMainWindow*>(parent); main_window && main_window->centralWidget()) {
    table = main_window->centralWidget()->size();
  } else if (parent != nullptr) {
    table = parent->size();
  }
  BackgroundDialog window(state, paths, draw, table, parent);
  return window.exec() == QDialog::Accepted;
}

}  // namespace winpiruk
